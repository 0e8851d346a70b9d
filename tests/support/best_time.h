// The time a piece of work takes, as the best of a few rounds, so that a machine busy with other
// work does not make a timing test fail.
#pragma once

#include <algorithm>
#include <chrono>

// The fewest milliseconds that run() took in rounds calls.
template <typename Run> double BestMilliseconds(Run run, int rounds = 5) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto took = std::chrono::steady_clock::now() - start;
        best = std::min(best, std::chrono::duration<double, std::milli>(took).count());
    }
    return best;
}
