#pragma once
// Results of the batch tool: one JSON object a request (JSON Lines), or a
// readable table in Spanish.

#include <string>

#include "calculation.h"
#include "request.h"

namespace sueldara::batch {

enum class Format { json, text };

struct Outcome {
    RunResult result;
    std::optional<BadRequest> bad;  // set when the request could not be read
};

// Appends the result of one request to out.
void writeResult(std::string& out, Format format, const Outcome& outcome, const ReceiptSheet& sheet);

// The catalogue, one row a line.
void writePosts(std::string& out, Format format);

// A JSON string literal for a UTF-8 text.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace sueldara::batch
