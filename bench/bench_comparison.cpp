// Times one comparison: ComputeComparison and every label text a start writes.
#include <chrono>
#include <cstdio>
#include <string>

#include "comparison.h"
#include "results.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : 200000;
    vevi::ComparisonInputs inputs;
    vevi::SharedValues shared;
    size_t sink = 0;
    // Warm up the caches and the allocator before timing.
    for (int i = 0; i < 1000; ++i) {
        const auto r = vevi::ComputeComparison(inputs, shared);
        sink += vevi::ReportComparison(inputs, *r, shared).formulas.size();
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        inputs.OutdoorTemp = std::to_string(i % 100 - 40);  // vary the work a little
        const auto r = vevi::ComputeComparison(inputs, shared);
        for (const auto& t : vevi::ReportComparison(inputs, *r, shared).formulas)
            sink += t.text.size();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("comparison with label texts: %.2f us per start (%d runs, %zu)\n",
                seconds / runs * 1e6, runs, sink % 10);
    return 0;
}
