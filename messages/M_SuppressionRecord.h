#ifndef MESSAGES_M_SUPPRESSIONRECORD_H
#define MESSAGES_M_SUPPRESSIONRECORD_H

#include <utility>
#include <vector>

#include "util/U_Location.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

// A suppression record of an error file: a suppression tag in the source
// (for example a pragma) that silences the listed messages over a range of
// lines.  Each message range is a pair of texts, its first and last message
// number ("*" or an empty text stands for every message).
class M_SuppressionRecord : public U_Ref {
 public:
  using MessageRange = std::pair<U_String, U_String>;

  int kind = 0;
  U_Location tagLocation;
  U_String tag;
  std::vector<MessageRange> messages;
  int extra = 4;  // written as 4, not used when read
  U_Location startLocation;
  bool hasEnd = false;
  U_Location endLocation;

  // Whether this record silences message msgNo at location (same file as
  // the start location, line from the start line to the end line, or the
  // start line alone when there is no end).
  bool suppresses(int msgNo, const U_Location& location) const;
  bool coversMessage(int msgNo) const;

  // One line of text for listings.
  U_String getRepresentation() const;
};

#endif
