#include "proxy.h"

int main() {
    sysx::hash<lib::kind> h;
    sysx::tuple_size<lib::value<int>> t;
    return h(lib::kind::a) + t.size();
}
