#pragma once
// CHECK(condition): a broken invariant prints where and aborts, which libFuzzer
// reports as a crash with the input that caused it.

#include <cstdio>
#include <cstdlib>

namespace sueldara::fuzz {

[[noreturn]] inline void fail(const char* what, int line) {
    std::fprintf(stderr, "invariant failed at line %d: %s\n", line, what);
    std::abort();
}

}  // namespace sueldara::fuzz

#define CHECK(condition) ((condition) ? void(0) : ::sueldara::fuzz::fail(#condition, __LINE__))
