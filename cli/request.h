#pragma once
// A batch request: one JSON object with the entry window's data. Every field is
// optional and takes the window's start value when missing.

#include <optional>
#include <string>
#include <string_view>

#include "pay_input.h"

namespace sueldara::batch {

struct Request {
    PayInput input;
    SelectedPosition position;
};

struct BadRequest {
    std::optional<std::string> field;  // the offending key, when there is one
    std::string message;               // for the user, in Spanish
};

struct ParsedRequest {
    std::optional<Request> request;
    BadRequest bad;
};

// Reads one request from JSON text.
ParsedRequest parseRequest(std::string_view json);

// The post of a catalogue code, as choosing it in the selection dialog leaves
// the dialog; a code that finds no row gives the empty texts of a failed lookup.
SelectedPosition positionForCode(std::string_view code);

}  // namespace sueldara::batch
