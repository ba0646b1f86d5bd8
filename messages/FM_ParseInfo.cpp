#include "messages/FM_ParseInfo.h"

#include "messages/M_formatMessage.h"
#include "util/U_FileStat.h"

FM_ParseInfo::FM_ParseInfo(int subLevel, const U_BPtr<M_Diagnostic>& diag, const U_Location& previous)
    : m_subLevel(subLevel), m_diag(diag.isSet() ? diag : U_BPtr<M_Diagnostic>(new M_Diagnostic())),
      m_previous(previous) {}

U_String FM_ParseInfo::getText() const { return M_formatAndAddParameter(*m_diag, false); }
U_String FM_ParseInfo::getVerbose() const { return M_formatAndAddParameter(*m_diag, true); }

#include <climits>

// A column read from a corrupt file may be the smallest int.
int FM_ParseInfo::getZCol() const { return getCol() == INT_MIN ? INT_MIN : getCol() - 1; }

int FM_ParseInfo::getLine() const {
  return location().isFromHashLine() ? location().getHashLineLine() : location().getLine();
}

U_String FM_ParseInfo::getAbsFile() const {
  const U_String& name = location().getFilename().str();
  if (name.empty() || U_FileStat::isAbsolute(name)) return name;
  return U_FileStat::join(U_FileStat::getCurrentDir(), name);
}

U_String FM_ParseInfo::getRelFile() const {
  const U_String& name = location().getFilename().str();
  U_String cwd = U_FileStat::getCurrentDir();
  if (!cwd.empty() && cwd.back() != '/') cwd += '/';
  if (!cwd.empty() && name.size() > cwd.size() && name.compare(0, cwd.size(), cwd) == 0)
    return name.substr(cwd.size());
  return name;
}

U_String FM_ParseInfo::getBasename() const { return U_FileStat::getBasename(location().getFilename().str()); }

bool FM_ParseInfo::isLocationDifferent() const {
  return !m_previous.isSet() || !U_isLocationEqual(m_previous, location());
}

bool FM_ParseInfo::isLocationFileDifferent() const {
  return !m_previous.isSet() || !m_previous.isSameFilename(location());
}

bool FM_ParseInfo::isLocationFileAndLineDifferent() const {
  return isLocationFileDifferent() || m_previous.getLine() != location().getLine();
}
