template <typename T>
struct Wrap { // « wrapper » & co <T>
    T v;
};
Wrap<int> w; // été && "<>"
