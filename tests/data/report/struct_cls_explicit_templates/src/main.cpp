#include "ctor.h"

int main() {
    const char* s = nullptr;
    lib::builder<lib::kind::text>::make(s, "x");
    return 0;
}
