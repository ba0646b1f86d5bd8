namespace conf {
template <typename T>
struct List {
    void push(T v) { last = v; }
    T last;
};

template <typename T>
struct Setting {
    void set(T v) { value = v; }
    T value;
};

template <typename T>
struct Setting<List<T>> {
    void add(T v) { items.push(v); }
    List<T> items;
};

template <typename K, typename V>
struct Pair {
    K key() const { return k; }
    K k;
    V v;
};

template <typename T>
struct Pair<T, T> {
    T first() const { return a; }
    T a;
};
}
