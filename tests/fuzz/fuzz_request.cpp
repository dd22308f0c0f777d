// Any bytes as batch input: every non-blank line gives exactly one result line,
// which is valid JSON with the result's shape.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "batch.h"
#include "request.h"

using namespace sueldara::batch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    // One line on its own: a request or a bad request with a message.
    const ParsedRequest parsed = parseRequest(input);
    if (!parsed.request) CHECK(!parsed.bad.message.empty());

    std::string out;
    Options options;
    options.decimalSeparator = size > 0 && (data[0] & 1) ? '.' : ',';
    const int status = runBatch(input, options, out);
    CHECK(status == 0 || status == 1);
    std::istringstream lines(out);
    bool anyFailed = false;
    for (std::string line; std::getline(lines, line);) {
        const auto doc = nlohmann::json::parse(line, nullptr, false);
        CHECK(!doc.is_discarded() && doc.is_object() && doc.contains("ok") && doc["ok"].is_boolean());
        if (doc["ok"].get<bool>()) {
            CHECK(doc["lines"].is_array() && doc["lines"].size() <= 26 && doc["thaberes"].is_string());
        } else {
            const auto& e = doc["error"];
            CHECK(e["kind"].is_string() && e["message"].is_string() && (e["field"].is_null() || e["field"].is_string()));
            anyFailed = true;
        }
    }
    CHECK(status == (anyFailed ? 1 : 0));
    return 0;
}
