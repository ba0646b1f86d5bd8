#include "ctor.h"

int main() {
    lib::constructor<lib::kind::number> n;
    return n.make() + lib::constructor<lib::kind::text>::make();
}
