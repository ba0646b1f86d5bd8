#include "f.h"
int main() { return 0; }
