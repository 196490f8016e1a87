#pragma once
// One figure beside its floor, in the one-line form scripts read:
//   <what>: tuk <t> ms, floor <f> ms, ratio <r>x
#include <algorithm>
#include <cstdio>
#include <vector>

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline void printRatio(const char* what, double tuk, double floor) {
    std::printf("%s: tuk %.1f ms, floor %.1f ms, ratio %.2fx\n", what, tuk, floor,
                floor > 0 ? tuk / floor : 0.0);
}
