#include "shapes.h"
int main() {
  return lib::first(1, 2) + lib::second(1, 2) + lib::convert<double, int>(1.5) +
         lib::twice(1) + lib::half(4) + lib::zero<int>() + lib::wide(2);
}
