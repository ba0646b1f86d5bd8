namespace sysx {
template <typename T>
struct hash;

template <typename T>
struct tuple_size;
}
