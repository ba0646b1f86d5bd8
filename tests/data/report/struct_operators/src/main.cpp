#include "cmp.h"
bool f() { return lib::X<int>{1} < lib::X<int>{2}; }
int g() { return lib::X<long>{1} << 2; }
