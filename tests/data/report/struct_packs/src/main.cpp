template <typename... Ts>
struct Tuple { int n; };
template <typename T, typename... Rest>
struct Head { T t; };
Tuple<int, char, long> t3;
Tuple<> t0;
Head<int, char, double> h;
int main() { return t3.n + t0.n; }
