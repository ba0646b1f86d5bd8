#include "put.h"
int b() { const int c = 1; return lib::put(c) + lib::put(1, 2); }
