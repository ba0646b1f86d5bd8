namespace lib {
template <bool B, typename T = void> struct enable_if {};
template <typename T> struct is_int { static constexpr bool value = false; };

template <typename T, typename E = void>
struct conv {
    static int test(T) { return 0; }
};

template <typename T>
struct conv<T, typename enable_if<is_int<T>::value>::type> {
    static int test(T v) { return v; }
};
}
