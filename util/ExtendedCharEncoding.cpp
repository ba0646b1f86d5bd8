#include "util/ExtendedCharEncoding.h"

namespace {
struct EncodingName {
  int value;
  const char* name;
};

constexpr EncodingName kNames[] = {
    {eceInvalid, "eceInvalid"}, {eceNone, "eceNone"},     {eceEUC, "eceEUC"},
    {eceSJIS, "eceSJIS"},       {eceOldJIS, "eceOldJIS"}, {eceNewJIS, "eceNewJIS"},
    {eceNECJIS, "eceNECJIS"},   {eceUTF, "eceUTF"},
};
}  // namespace

const char* U_getExtendedCharEncodingName(int encoding) {
  for (const EncodingName& e : kNames)
    if (e.value == encoding) return e.name;
  return "Unknown Endcoding Kind";
}
