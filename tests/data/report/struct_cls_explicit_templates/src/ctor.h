namespace lib {
enum class kind { number, text };

template <kind K>
struct builder;

template <>
struct builder<kind::text> {
    template <typename T>
    static void make(T& out, const char* text) { out = text; }

    template <typename T>
    static void make(T& out, int&& moved) { out = moved; }
};
}
