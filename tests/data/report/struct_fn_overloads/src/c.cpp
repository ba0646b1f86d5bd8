#include "put.h"
int c() { long l = 0; const int* cp = nullptr; return lib::put(&l) + lib::put(cp) + lib::show(2.0); }
