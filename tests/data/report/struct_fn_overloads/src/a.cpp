#include "put.h"
int a() { int i = 0; return lib::put(&i) + lib::put(i) + lib::show(i); }
