namespace lib {
template <typename T> struct X { T v; };
template <typename T>
bool operator<(X<T> a, X<T> b) { return a.v < b.v; }
template <typename T>
bool operator<=(X<T> a, X<T> b) { return !(b < a); }
template <typename T>
int operator<<(X<T> a, int n) { return a.v << n; }
}
