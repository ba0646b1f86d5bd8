// Pointers are kept apart.
namespace conf {
template <typename T>
struct Setting<List<T*>> {
    void add(T* v) { items.push(v); }
    List<T*> items;
};
}
