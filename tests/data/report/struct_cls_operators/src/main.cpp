#include "ref.h"

int main() {
    lib::ref<int> r{nullptr};
    return (r.operator->() == nullptr && !r && !(r > r)) ? 0 : 1;
}
