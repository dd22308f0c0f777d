#pragma once
// The batch loop: requests in, one result each out.

#include <string>
#include <string_view>

#include "output.h"

namespace sueldara::batch {

struct Options {
    char decimalSeparator = ',';
    Format format = Format::json;
    std::string dateTime;
};

// Computes every request of the input: one JSON document, or JSON Lines (one
// request a line; blank lines are skipped). Appends the results to out and
// returns 0 when every request computed, 1 when any failed.
int runBatch(std::string_view input, const Options& options, std::string& out);

}  // namespace sueldara::batch
