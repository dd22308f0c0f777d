// runCalculation on the typical post request and on an hours request.

#include <benchmark/benchmark.h>

#include "calculation.h"
#include "seniority.h"

namespace {

using namespace sueldara;

PayInput typicalInput() {
    PayInput in;
    in.cargo = true;
    applySeniorityBracket(in, 4);
    in.Iosper = true;
    in.APORTEJUB = true;
    return in;
}

SelectedPosition post813() {
    return SelectedPosition{"813", "971", "Maestro De Grado Jornada Completa", "971", "170", "0", "620", "0"};
}

void BM_TypicalPost(benchmark::State& s) {
    const PayInput in = typicalInput();
    const SelectedPosition pos = post813();
    ReceiptSheet sheet;
    PayState state;
    for (auto _ : s) {
        benchmark::DoNotOptimize(runCalculation(in, pos, ',', "11/12/2026 10:00:00", sheet, state));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TypicalPost);

void BM_SecondaryHours(benchmark::State& s) {
    PayInput in;
    in.horasmedio = true;
    in.numerohorasmed = "12";
    in.numhorascod06 = "12";
    in.numhorasincen = "12";
    in.numhorascod113 = "12";
    applySeniorityBracket(in, 2);
    in.zona = 1;
    in.Iosper = true;
    in.APORTEJUB = true;
    ReceiptSheet sheet;
    PayState state;
    const SelectedPosition pos;
    for (auto _ : s) {
        benchmark::DoNotOptimize(runCalculation(in, pos, ',', "11/12/2026 10:00:00", sheet, state));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SecondaryHours);

}  // namespace

BENCHMARK_MAIN();
