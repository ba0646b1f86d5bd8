#include "pick.h"
int other() { return pick(1, 2); }
