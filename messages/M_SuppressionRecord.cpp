#include "messages/M_SuppressionRecord.h"

#include <cstdlib>

#include "messages/M_Diagnostic.h"

namespace {
bool isOpenBound(const U_String& text) { return text.empty() || text == "*"; }

// A message-range bound: "*" or an empty text is open; otherwise its number.
bool boundValue(const U_String& text, long& value) {
  if (isOpenBound(text)) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return end != text.c_str();
}
}  // namespace

bool M_SuppressionRecord::coversMessage(int msgNo) const {
  for (const auto& range : messages) {
    long lo = 0, hi = 0;
    bool hasLo = boundValue(range.first, lo);
    bool hasHi = boundValue(range.second, hi);
    if (!hasHi && !isOpenBound(range.second)) {  // unreadable end: the start alone
      hi = lo;
      hasHi = hasLo;
    }
    if ((!hasLo || msgNo >= lo) && (!hasHi || msgNo <= hi)) return true;
  }
  return false;
}

bool M_SuppressionRecord::suppresses(int msgNo, const U_Location& location) const {
  if (!startLocation.isSet() || !location.isSameFilename(startLocation)) return false;
  int line = location.getLine();
  int last = hasEnd ? endLocation.getLine() : startLocation.getLine();
  if (line < startLocation.getLine() || line > last) return false;
  return coversMessage(msgNo);
}

U_String M_SuppressionRecord::getRepresentation() const {
  U_String out = M_getLocationRepresentation(tagLocation) + ": Suppression kind=" +
                 std::to_string(kind) + " tag='" + tag + "' messages={";
  for (size_t i = 0; i < messages.size(); ++i) {
    if (i) out += ", ";
    out += messages[i].first;
    if (messages[i].second != messages[i].first) out += "-" + messages[i].second;
  }
  out += "} from " + M_getLocationRepresentation(startLocation);
  if (hasEnd) out += " to " + M_getLocationRepresentation(endLocation);
  return out;
}
