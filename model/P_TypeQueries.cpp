#include "model/P_TypeQueries.h"

#include <cstring>
#include <string_view>

#include "model/P_UniqueStr.h"

namespace {

// Position of the '[' opening the last dimension, or npos.
std::size_t lastDimension(std::string_view type) {
  if (type.empty() || type.back() != ']') return std::string_view::npos;
  return type.rfind('[');
}

}  // namespace

bool P_isTypeArray(const char* type) {
  return type && lastDimension(type) != std::string_view::npos;
}

bool P_isUndimArray(const char* type) {
  if (!type) return false;
  std::string_view t(type);
  return t.size() >= 2 && t.substr(t.size() - 2) == "[]";
}

int P_getArrayDimension(const char* type) {
  if (!P_isTypeArray(type)) return 0;
  std::string_view t(type);
  int dim = 0;
  for (std::size_t i = lastDimension(t) + 1; i + 1 < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9' || dim > 100000000) return 0;
    dim = dim * 10 + (t[i] - '0');
  }
  return dim;
}

const char* P_getArrayElemType(const char* type) {
  if (!P_isTypeArray(type)) return type;
  std::string_view t(type);
  return P_createUniqueStr(t.substr(0, lastDimension(t)));
}

bool P_areTypesEqual(const char* a, const char* b) {
  if (a == b) return true;
  if (!a || !b) return false;
  return std::strcmp(a, b) == 0;
}
