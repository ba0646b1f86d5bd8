#ifndef SHAPES_SHAPE_H
#define SHAPES_SHAPE_H

#include <string>
#include <utility>

#include <fmt/format.h>

namespace shapes {

// A point of the plane with coordinates of type T.
template <typename T>
struct Point {
    T x{};
    T y{};
};

template <typename T>
struct Circle {
    Point<T> centre;
    T radius{};
};

template <typename T>
struct Rect {
    Point<T> corner;
    T width{};
    T height{};
};

// Areas of the shapes.
template <typename T>
double area(const Circle<T>& c) { return 3.14159265 * c.radius * c.radius; }

template <typename T>
double area(const Rect<T>& r) { return static_cast<double>(r.width * r.height); }

// A shape with a name, for listings.
template <typename S>
class Labelled {
public:
    Labelled(std::string label, S shape) : m_label(std::move(label)), m_shape(std::move(shape)) {}
    const std::string& label() const { return m_label; }
    double area() const { return shapes::area(m_shape); }
private:
    std::string m_label;
    S m_shape;
};

// Prints every argument on one line, separated by blanks.
template <typename... Args>
std::string joinAll(const Args&... args)
{
    std::string out;
    ((out += fmt::format("{} ", args)), ...);
    return out;
}

}  // namespace shapes

// Points print as (x, y).
template <typename T>
struct fmt::formatter<shapes::Point<T>> : fmt::formatter<T> {
    template <typename FormatContext>
    auto format(const shapes::Point<T>& p, FormatContext& ctx) const
    {
        auto out = fmt::format_to(ctx.out(), "(");
        out = fmt::formatter<T>::format(p.x, ctx);
        out = fmt::format_to(out, ", ");
        out = fmt::formatter<T>::format(p.y, ctx);
        return fmt::format_to(out, ")");
    }
};

// Circles of doubles print with their area.
template <>
struct fmt::formatter<shapes::Circle<double>> {
    constexpr auto parse(fmt::format_parse_context& ctx) { return ctx.begin(); }
    template <typename FormatContext>
    auto format(const shapes::Circle<double>& c, FormatContext& ctx) const
    {
        return fmt::format_to(ctx.out(), "circle r={} area={:.2f}", c.radius, shapes::area(c));
    }
};

#endif
