#ifndef GEO_GRID_H
#define GEO_GRID_H

#include <array>
#include <cstddef>
#include <gsl/span>

namespace geo {

// A square grid of N by N cells holding values of T, stored row by row.
template <typename T, std::size_t N>
class Grid {
public:
    T& at(std::size_t row, std::size_t col) { return cells[row * N + col]; }
    const T& at(std::size_t row, std::size_t col) const { return cells[row * N + col]; }
    gsl::span<const T> row(std::size_t r) const { return gsl::span<const T>(cells.data() + r * N, N); }
    std::size_t size() const { return N * N; }
private:
    std::array<T, N * N> cells{};
};

// A grid of a single cell needs no row arithmetic.
template <typename T>
class Grid<T, 1> {
public:
    T& at(std::size_t, std::size_t) { return cell; }
    gsl::span<const T> row(std::size_t) const { return gsl::span<const T>(&cell, 1); }
    std::size_t size() const { return 1; }
private:
    T cell{};
};

// The sum of values; T needs += and a zero from T{}.
template <typename T>
T sum(gsl::span<const T> values)
{
    T total{};
    for (const T& value : values)
        total += value;
    return total;
}

}  // namespace geo

#endif
