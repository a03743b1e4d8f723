#pragma once

#include "data/tri_intervalles.h"

#include <cstddef>
#include <numeric>
#include <utility>
#include <vector>

namespace palmora {

// The ranking order of n entries by the shared diminishing-gap sort. `enOrdre(i, j)` compares
// entries by their own indices; only the indices move, so that large entries (300-byte
// records) are not swapped around on the way.
template <class EnOrdre>
std::vector<std::size_t> ordreParIntervalles(std::size_t n, EnOrdre enOrdre) {
    std::vector<std::size_t> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 0);
    trierParIntervalles(
        std::ssize(ordre),
        [&](std::ptrdiff_t a, std::ptrdiff_t b) {
            return enOrdre(ordre[static_cast<std::size_t>(a)], ordre[static_cast<std::size_t>(b)]);
        },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) {
            std::swap(ordre[static_cast<std::size_t>(a)], ordre[static_cast<std::size_t>(b)]);
        });
    return ordre;
}

} // namespace palmora
