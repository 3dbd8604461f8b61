// ComputeKey beside the obvious way of doing its job: the C library reads the
// number ("%lf" by sscanf, or strtod) and fmod takes the remainder.
#include "key.h"
#include "splitmix.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ThirteenDigitEntries() {
    std::vector<std::string> entries;
    std::uint64_t state = 13;
    for (int i = 0; i < 1024; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%013llu",
                      static_cast<unsigned long long>(NextRandom(state) % 10000000000000ULL));
        entries.emplace_back(text);
    }
    return entries;
}

// What users type, and what they should not: short and signed numbers,
// fractions, exponents, blanks, words, long digit runs; each cut to 13
// characters, as CALCUL cuts the entry before it computes.
std::vector<std::string> MixedEntries() {
    static const char* const kinds[] = {"1234567890123",
                                        "  2940000000000",
                                        "-5",
                                        "12.5",
                                        "1e30",
                                        "97",
                                        "0000000000042",
                                        "abc",
                                        "1 85 05 78 00",
                                        "",
                                        ".5e-3",
                                        "1234567890123456789",
                                        "+0.000123",
                                        "9e999",
                                        "4."};
    std::vector<std::string> entries;
    std::uint64_t state = 29;
    for (int i = 0; i < 1024; ++i) {
        entries.push_back(std::string(kinds[NextRandom(state) % std::size(kinds)]).substr(0, 13));
    }
    return entries;
}

int FmodKey(double n) {
    return n == 0.0 ? 0 : static_cast<int>(97.0 - std::fmod(n, 97.0));
}

template <typename Reader>
void RunOver(benchmark::State& state, const std::vector<std::string>& entries, Reader read) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(read(entries[i].c_str()));
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

int WithComputeKey(const char* entry) {
    const KeyResult result = ComputeKey(entry);
    return result.has_key ? result.key : 0;
}

int WithSscanf(const char* entry) {
    double n = 0.0;
    return std::sscanf(entry, "%lf", &n) == 1 ? FmodKey(n) : 0;
}

int WithStrtod(const char* entry) {
    return FmodKey(std::strtod(entry, nullptr));
}

void ComputeKey13(benchmark::State& state) {
    RunOver(state, ThirteenDigitEntries(), WithComputeKey);
}
void Sscanf13(benchmark::State& state) {
    RunOver(state, ThirteenDigitEntries(), WithSscanf);
}
void Strtod13(benchmark::State& state) {
    RunOver(state, ThirteenDigitEntries(), WithStrtod);
}
void ComputeKeyMixed(benchmark::State& state) {
    RunOver(state, MixedEntries(), WithComputeKey);
}
void SscanfMixed(benchmark::State& state) {
    RunOver(state, MixedEntries(), WithSscanf);
}
void StrtodMixed(benchmark::State& state) {
    RunOver(state, MixedEntries(), WithStrtod);
}

} // namespace

BENCHMARK(ComputeKey13);
BENCHMARK(Sscanf13);
BENCHMARK(Strtod13);
BENCHMARK(ComputeKeyMixed);
BENCHMARK(SscanfMixed);
BENCHMARK(StrtodMixed);

BENCHMARK_MAIN();
