// The median of a set of timings, shared by the Windows benchmarks.
#ifndef TERVALO_BENCH_MEDIAN_H
#define TERVALO_BENCH_MEDIAN_H

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

#endif
