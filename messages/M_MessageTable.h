#ifndef MESSAGES_M_MESSAGETABLE_H
#define MESSAGES_M_MESSAGETABLE_H

#include "util/U_String.h"

// Message numbers this program raises itself.
enum M_MessageNumber {
  M_MSG_FILE_OPEN_ERROR = 1540,  // a record or error file cannot be opened
};

// The text entry of a message: its level, text and verbose text.  Texts
// name the diagnostic's parameters as "%1" to "%9".
struct M_MsgInfo {
  int number;
  int level;
  const char* text;
  const char* verbose;
  // False for the generic entry of a number without a text; the formatter
  // then lists the parameters after the text.
  bool known;
};

// The entry of a message number; for a number without an entry, the
// generic entry (level 0, text "Message without a known text").
M_MsgInfo M_getMsgInfo(int msgNo);
bool M_hasMsgInfo(int msgNo);

#endif
