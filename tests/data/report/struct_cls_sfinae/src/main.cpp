#include "conv.h"

int main() {
    lib::conv<int> i;
    lib::conv<double> d;
    return i.test(1) + d.test(2.0);
}
