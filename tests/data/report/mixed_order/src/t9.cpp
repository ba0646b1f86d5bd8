template <typename T>
struct Cell { T v; };
