namespace lib {
template <typename T>
struct F {
  template <typename C> int parse(C& c) { return 0; }
  template <typename C> int format(C& c) { return 1; }
};
template <>
struct F<int> {
  template <typename C> int parse(C& c) { return 2; }
  template <typename C> int format(C& c) { return 3; }
};
}
