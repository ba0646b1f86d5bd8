#include "pick.h"
double use() { return pick(1.0, 2.0); }
