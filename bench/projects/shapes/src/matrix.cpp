#include "shapes/matrix.h"

double trace()
{
    shapes::Matrix<double, 2, 2> a;
    a(0, 0) = 1.0;
    a(1, 1) = 2.0;
    shapes::Matrix<int, 2, 2> b;
    b(0, 1) = 3;
    a += b;
    const shapes::Matrix<double, 2, 2> c = a * a * 0.5;
    shapes::Matrix<float, 1, 3> row;
    row[2] = 4.0f;
    return c(0, 0) + c(1, 1) + row.sum() + static_cast<double>(decltype(a)::rows());
}
