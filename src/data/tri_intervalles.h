#pragma once

#include <cstddef>

namespace palmora {

// The diminishing-gap insertion sort every sort of the program uses, so that entries with
// equal keys end in the same order as the organisers have always seen them.
// The gap starts at the smallest power of two above `n` and becomes (gap - 1) / 2 before
// each pass. In a pass, for each j from the first entry to the n - gap th, entries j and
// j + gap are compared: when `enOrdre(j, j + gap)` the walk stops, otherwise they are
// swapped and j goes down by the gap while it stays on an entry. Indices are 0-based.
template <class EnOrdre, class Echanger>
void trierParIntervalles(std::ptrdiff_t n, EnOrdre enOrdre, Echanger echanger) {
    std::ptrdiff_t ecart = 1;
    while (ecart <= n)
        ecart *= 2;
    while ((ecart = (ecart - 1) / 2) != 0) {
        for (std::ptrdiff_t k = 0; k + ecart < n; ++k) {
            for (std::ptrdiff_t j = k; j >= 0; j -= ecart) {
                if (enOrdre(j, j + ecart)) break;
                echanger(j, j + ecart);
            }
        }
    }
}

} // namespace palmora
