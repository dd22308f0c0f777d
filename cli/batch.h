#pragma once
// The batch loop: requests in, one result each out.

#include <functional>
#include <string>
#include <string_view>

#include "output.h"

namespace sueldara::batch {

struct Options {
    char decimalSeparator = ',';
    Format format = Format::json;
    std::string dateTime;
    // When set, the results are handed to it in blocks as they are written,
    // instead of all staying in out.
    std::function<void(std::string_view)> sink;
};

// Computes every request of the input: one JSON document, or JSON Lines (one
// request a line; blank lines are skipped). Appends the results to out and
// returns 0 when every request computed, 1 when any failed.
int runBatch(std::string_view input, const Options& options, std::string& out);

}  // namespace sueldara::batch
