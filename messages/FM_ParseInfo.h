#ifndef MESSAGES_FM_PARSEINFO_H
#define MESSAGES_FM_PARSEINFO_H

#include <cstddef>
#include "messages/FM_Tokens.h"
#include "messages/M_Diagnostic.h"
#include "messages/M_MessageTable.h"

// The state of one formatting of a diagnostic.
class FM_ParseInfo {
 public:
  enum WrapKind { WrapNone = 0, WrapHard = 1, WrapWord = 2, WrapCut = 3 };

  FM_ParseInfo(int subLevel, const U_BPtr<M_Diagnostic>& diag, const U_Location& previous);

  int getSubLevel() const { return m_subLevel; }
  const M_Diagnostic& getDiagnostic() const { return *m_diag; }
  const U_Location& getPreviousLocation() const { return m_previous; }

  WrapKind getWrapKind() const { return m_wrapKind; }
  void setWrapKind(WrapKind k) { m_wrapKind = k; }
  int getWrapSize() const { return m_wrapSize; }
  void setWrapSize(int s) { m_wrapSize = s; }
  const U_String& getWrapText() const { return m_wrapText; }
  void setWrapText(const U_String& t) { m_wrapText = t; }
  bool getUpdateLocation() const { return m_updateLocation; }
  void setUpdateLocation(bool v) { m_updateLocation = v; }
  bool getResetLocation() const { return m_resetLocation; }
  // Bytes that "%R" may still add to this message: repeats of one message
  // together stop at 1 MiB, so a format cannot make a message of gigabytes.
  size_t& repeatBudget() { return m_repeatBudget; }
  void setResetLocation(bool v) { m_resetLocation = v; }

  int getMsgNo() const { return m_diag->getMsgNo(); }
  bool isHardError() const { return m_diag->isError(); }
  M_MsgInfo getMsgInfo() const { return M_getMsgInfo(getMsgNo()); }
  U_String getText() const;     // with the parameters substituted
  U_String getVerbose() const;  // with the parameters substituted
  int getMsgLevel() const { return getMsgInfo().level; }
  int getLine() const;  // the line a #line directive names, if any
  int getCol() const { return location().getColumn(); }
  int getZCol() const;
  U_String getRelFile() const;
  U_String getAbsFile() const;
  U_String getBasename() const;

  // Comparisons with the previous location, true when there is none.
  bool isLocationDifferent() const;
  bool isLocationFileDifferent() const;
  bool isLocationFileAndLineDifferent() const;

 private:
  const U_Location& location() const { return m_diag->getLocation(); }

  int m_subLevel;
  U_BPtr<M_Diagnostic> m_diag;
  U_Location m_previous;
  WrapKind m_wrapKind = WrapNone;
  int m_wrapSize = 0;
  U_String m_wrapText;
  bool m_updateLocation = false;
  bool m_resetLocation = false;
  size_t m_repeatBudget = 1u << 20;
};

// Evaluates tokens from POS until the end or a "%:" / "%)" token (POS is
// left there) and returns their output.
U_String FM_parseTokens(FM_TokenPos& pos, FM_TokenPos end, FM_ParseInfo& info);

// Line wrapping of a formatted result by the wrap settings of INFO.
U_String FM_wrapText(const U_String& text, const FM_ParseInfo& info, int tabStop);

#endif
