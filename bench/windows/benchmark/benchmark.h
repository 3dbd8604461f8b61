// The pieces of Google Benchmark's interface that key_bench.cpp uses, for the
// Windows builds, where Google Benchmark is not available.  Each benchmark
// finds an iteration count that runs for --benchmark_min_time seconds, runs it
// --benchmark_repetitions times and prints, as Google Benchmark's JSON does
// for its median aggregate, the median time of one iteration.
#ifndef TERVALO_BENCH_WINDOWS_BENCHMARK_H
#define TERVALO_BENCH_WINDOWS_BENCHMARK_H

#include "../../median.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace benchmark {

template <class T> inline void DoNotOptimize(const T& value) {
    asm volatile("" : : "r,m"(value) : "memory");
}

class State {
  public:
    explicit State(std::int64_t iterations) : iterations_(iterations) {}
    // The loop variable of `for (auto _ : state)`, never read.
    struct __attribute__((unused)) Value {};
    struct Iterator {
        std::int64_t left;
        bool operator!=(const Iterator& /*end*/) const { return left != 0; }
        void operator++() { --left; }
        Value operator*() const { return {}; }
    };
    Iterator begin() const { return {iterations_}; }
    Iterator end() const { return {0}; }
    std::int64_t iterations() const { return iterations_; }
    void SetItemsProcessed(std::int64_t /*items*/) {}

  private:
    std::int64_t iterations_;
};

namespace internal {

struct Benchmark {
    std::string name;
    std::function<void(State&)> run;
};

inline std::vector<Benchmark>& Registered() {
    static std::vector<Benchmark> benchmarks;
    return benchmarks;
}

struct Flags {
    double minTime = 0.5;
    int repetitions = 1;
};

inline Flags& Settings() {
    static Flags flags;
    return flags;
}

// Seconds that the given number of iterations takes.
inline double Time(const Benchmark& benchmark, std::int64_t iterations) {
    State state(iterations);
    const auto begin = std::chrono::steady_clock::now();
    benchmark.run(state);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

} // namespace internal

template <class Function> void RegisterBenchmark(const char* name, Function function) {
    internal::Registered().push_back({name, function});
}

inline void Initialize(int* argc, char** argv) {
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp(argv[i], "--benchmark_min_time=", 21) == 0) {
            internal::Settings().minTime = std::atof(argv[i] + 21);
        } else if (std::strncmp(argv[i], "--benchmark_repetitions=", 24) == 0) {
            internal::Settings().repetitions = std::max(1, std::atoi(argv[i] + 24));
        }
    }
}

// Prints JSON: {"benchmarks": [{"run_name", "aggregate_name": "median", "real_time" in ns}, ...]}.
inline void RunSpecifiedBenchmarks() {
    const internal::Flags& flags = internal::Settings();
    std::printf("{\n  \"benchmarks\": [");
    const char* separator = "\n";
    for (const internal::Benchmark& benchmark : internal::Registered()) {
        std::int64_t iterations = 1;
        for (double seconds = internal::Time(benchmark, iterations); seconds < flags.minTime;
             seconds = internal::Time(benchmark, iterations)) {
            const double grow = seconds > 0.0 ? flags.minTime * 1.4 / seconds : 10.0;
            iterations = std::max(iterations + 1, static_cast<std::int64_t>(static_cast<double>(iterations) *
                                                                            std::min(grow, 10.0)));
        }
        std::vector<double> perIteration;
        for (int repetition = 0; repetition < flags.repetitions; ++repetition) {
            perIteration.push_back(internal::Time(benchmark, iterations) * 1e9 /
                                   static_cast<double>(iterations));
        }
        std::printf("%s    {\"run_name\": \"%s\", \"aggregate_name\": \"median\", \"iterations\": %lld, "
                    "\"real_time\": %.3f, \"time_unit\": \"ns\"}",
                    separator, benchmark.name.c_str(), static_cast<long long>(iterations),
                    Median(perIteration));
        separator = ",\n";
    }
    std::printf("\n  ]\n}\n");
}

inline void Shutdown() {}

} // namespace benchmark

#endif
