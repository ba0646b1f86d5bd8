#ifndef SHAPES_MATRIX_H
#define SHAPES_MATRIX_H

#include <array>
#include <cstddef>

namespace shapes {

// A fixed-size matrix of R rows and C columns, stored row by row.
template <typename T, std::size_t R, std::size_t C>
class Matrix {
public:
    T& operator()(std::size_t r, std::size_t c) { return m_cells[r * C + c]; }
    const T& operator()(std::size_t r, std::size_t c) const { return m_cells[r * C + c]; }
    template <typename U>
    Matrix& operator+=(const Matrix<U, R, C>& other)
    {
        for (std::size_t i = 0; i < R * C; ++i)
            m_cells[i] += static_cast<T>(other.m_cells[i]);
        return *this;
    }
    static constexpr std::size_t rows() { return R; }
    std::array<T, R * C> m_cells{};
};

// A single row is indexed by its column alone.
template <typename T, std::size_t C>
class Matrix<T, 1, C> {
public:
    T& operator[](std::size_t c) { return m_cells[c]; }
    T sum() const
    {
        T total{};
        for (const T& cell : m_cells)
            total += cell;
        return total;
    }
    std::array<T, C> m_cells{};
};

// The matrix product of two matching matrices.
template <typename T, std::size_t R, std::size_t K, std::size_t C>
Matrix<T, R, C> operator*(const Matrix<T, R, K>& a, const Matrix<T, K, C>& b)
{
    Matrix<T, R, C> out;
    for (std::size_t r = 0; r < R; ++r)
        for (std::size_t c = 0; c < C; ++c)
            for (std::size_t k = 0; k < K; ++k)
                out(r, c) += a(r, k) * b(k, c);
    return out;
}

// Every cell scaled by factor.
template <typename T, std::size_t R, std::size_t C>
Matrix<T, R, C> operator*(const Matrix<T, R, C>& m, T factor)
{
    Matrix<T, R, C> out = m;
    for (T& cell : out.m_cells)
        cell *= factor;
    return out;
}

}  // namespace shapes

#endif
