// Other forms: a partial specialisation chosen by enable_if, conversion to a
// class template, a class template nested in one, an anonymous union,
// defaulted and deleted members, a declaration repeated after the definition.
namespace meta {
template <bool B, typename T = void>
struct enable_if {};
template <typename T>
struct enable_if<true, T> { typedef T type; };
template <typename T>
struct is_small { static const bool value = sizeof(T) < 4; };
template <typename T>
struct Ptr {};
}  // namespace meta

template <typename T, typename = void>
struct Pick {};
template <typename T>
struct Pick<T, typename meta::enable_if<meta::is_small<T>::value>::type> {
    int small;
};

template <typename T>
struct Own {
    operator meta::Ptr<T>() const { return meta::Ptr<T>(); }
};

template <typename T>
struct Outer {
    template <typename U>
    struct Inner {
        T t;
        U u;
    };
};

struct Value {
    Value() = default;
    Value(const Value&) = delete;
    union {
        int whole;
        float part;
    };
};

int twice(int);
int twice(int x) { return 2 * x; }
int twice(int);

int use()
{
    Pick<char> p{};
    Own<int> o;
    meta::Ptr<int> ptr = o;
    Outer<int>::Inner<char> in{};
    (void)ptr;
    return p.small + in.t + twice(1);
}
