#include "batch.h"

namespace sueldara::batch {

namespace {

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

constexpr std::size_t kBlock = 1 << 16;

struct Batch {
    const Options& options;
    std::string& out;
    ReceiptSheet sheet;
    PayState state;
    bool allDone = true;

    void compute(std::string_view json) {
        Outcome outcome;
        ParsedRequest parsed = parseRequest(json);
        if (!parsed.request) {
            outcome.bad = parsed.bad;
        } else {
            outcome.result = runCalculation(parsed.request->input, parsed.request->position,
                                            options.decimalSeparator, options.dateTime, sheet, state);
        }
        if (outcome.bad || outcome.result.status != RunStatus::done) allDone = false;
        writeResult(out, options.format, outcome, sheet);
        if (options.sink && out.size() >= kBlock) flush();
    }

    void flush() {
        if (!options.sink) return;
        options.sink(out);
        out.clear();
    }
};

// Whether the input holds exactly one JSON value that spans several lines.
bool singleDocument(std::string_view input) {
    const auto first = input.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    const auto lineEnd = input.find('\n', first);
    if (lineEnd == std::string_view::npos) return false;
    // More than one non-blank line: one document only when the first line is
    // not a complete request on its own.
    return !parseRequest(input.substr(first, lineEnd - first)).request &&
           parseRequest(input).request.has_value();
}

}  // namespace

int runBatch(std::string_view input, const Options& options, std::string& out) {
    Batch batch{options, out, {}, {}, true};
    if (singleDocument(input)) {
        batch.compute(input);
        batch.flush();
        return batch.allDone ? 0 : 1;
    }
    while (!input.empty()) {
        const auto end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        if (!blank(line)) batch.compute(line);
    }
    batch.flush();
    return batch.allDone ? 0 : 1;
}

}  // namespace sueldara::batch
