#include "buf.h"

int main() { return 0; }
