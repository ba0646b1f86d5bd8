namespace lib {
enum class kind { number, text };

template <kind K>
struct constructor;

template <>
struct constructor<kind::number> {
    static int make() { return 1; }
};

template <>
struct constructor<kind::text> {
    static int make() { return 2; }
};

template <typename T>
struct unused;
}
