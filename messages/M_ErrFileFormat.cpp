#include "messages/M_ErrFileFormat.h"

namespace M_ErrFileFormat {

Family familyOf(int32_t formatId) {
  switch (formatId) {
    case kOld7700:
    case kOld7800:
    case kOld7900:
      return Family::Older;
    case kCur8100:
    case kCur8200:
    case kCur9100:
    case kCur9200:
    case kCur9300:
      return Family::Current;
    default:
      return Family::Unknown;
  }
}

// 0x8100 files are read but never appended to, nor are the two oldest ids.
bool canAppend(int32_t formatId) {
  return formatId == kOld7900 || formatId == kCur8200 || formatId == kCur9100 ||
         formatId == kCur9200 || formatId == kCur9300;
}

}  // namespace M_ErrFileFormat
