// Member templates, operator templates and conversion functions.
namespace num {
template <typename T>
class Wrap {
public:
    Wrap() : value() {}
    template <typename U>
    Wrap(const Wrap<U>& other) : value(other.raw()) {}
    template <typename U>
    U as() const { return static_cast<U>(value); }
    template <typename U>
    bool operator==(const Wrap<U>& other) const { return value == other.raw(); }
    operator bool() const { return value != T(); }
    T raw() const { return value; }
private:
    T value;
};
}  // namespace num

bool check()
{
    num::Wrap<int> a;
    num::Wrap<long> b(a);
    return (a == b) && static_cast<bool>(b) && a.as<char>() == 0;
}
