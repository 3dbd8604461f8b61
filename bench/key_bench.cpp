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

constexpr std::size_t kEntries = 1024; // in each set; a power of two, so the index wraps with a mask

std::vector<std::string> ThirteenDigitEntries() {
    std::vector<std::string> entries;
    std::uint64_t state = 13;
    for (std::size_t i = 0; i < kEntries; ++i) {
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
    for (std::size_t i = 0; i < kEntries; ++i) {
        entries.push_back(std::string(kinds[NextRandom(state) % std::size(kinds)]).substr(0, 13));
    }
    return entries;
}

int FmodKey(double n) {
    return n == 0.0 ? 0 : static_cast<int>(97.0 - std::fmod(n, 97.0));
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

// One reader over one set, the reader a template argument so that the
// call is as direct as the program's own.
template <int (*Read)(const char*)>
void RunOver(benchmark::State& state, const std::vector<std::string>& entries) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Read(entries[i].c_str()));
        i = (i + 1) & (kEntries - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

struct EntrySet {
    const char* name;
    std::vector<std::string> entries;
};

// The reader over each set, named reader then set: ComputeKey13, ComputeKeyMixed, ...
template <int (*Read)(const char*)> void RegisterReader(const char* name, const EntrySet (&sets)[2]) {
    for (const EntrySet& set : sets) {
        benchmark::RegisterBenchmark((std::string(name) + set.name).c_str(),
                                     [&set](benchmark::State& state) { RunOver<Read>(state, set.entries); });
    }
}

} // namespace

int main(int argc, char** argv) {
    const EntrySet sets[] = {{"13", ThirteenDigitEntries()}, {"Mixed", MixedEntries()}};
    RegisterReader<WithComputeKey>("ComputeKey", sets);
    RegisterReader<WithSscanf>("Sscanf", sets);
    RegisterReader<WithStrtod>("Strtod", sets);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
