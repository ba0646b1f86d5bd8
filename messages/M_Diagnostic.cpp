#include "messages/M_Diagnostic.h"

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "messages/M_Settings.h"

void M_ParamStringType::navigate(const M_ParamTypeNav& nav) const { nav.onNode(*this); }
void M_ParamEntityType::navigate(const M_ParamTypeNav& nav) const { nav.onNode(*this); }
void M_ParamListType::navigate(const M_ParamTypeNav& nav) const { nav.onNode(*this); }
void M_ParamMsgListType::navigate(const M_ParamTypeNav& nav) const { nav.onNode(*this); }

U_String M_ParamEntityType::getDisplayName() const {
  if (m_qualified) return m_name;
  // The unqualified name is what follows the last "::" outside template
  // argument and parameter lists.
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < m_name.size(); ++i) {
    char c = m_name[i];
    if (c == '<' || c == '(') ++depth;
    if ((c == '>' || c == ')') && depth > 0) --depth;
    if (depth == 0 && c == ':' && i + 1 < m_name.size() && m_name[i + 1] == ':') {
      start = i + 2;
      ++i;
    }
  }
  return m_name.substr(start);
}

U_String M_ParamListType::getRepresentation() const {
  U_String out = "[";
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (i) out += ", ";
    out += m_items[i];
  }
  return out + "]";
}

U_String M_ParamMsgListType::getRepresentation() const {
  U_String out = "[";
  for (size_t i = 0; i < m_msgs.size(); ++i) {
    if (i) out += "; ";
    if (m_msgs[i].isSet()) out += m_msgs[i]->getRepresentation();
  }
  return out + "]";
}

void M_Diagnostic::addParameter(const U_String& text) { m_params.push_back(new M_ParamStringType(text)); }
void M_Diagnostic::addParameter(const QL_String& text) { addParameter(text.get()); }
void M_Diagnostic::addParameter(int value) { addParameter(std::to_string(value)); }
void M_Diagnostic::addParameter(const QL_Filename& file) { addParameter(file.str()); }
void M_Diagnostic::addParameter(const U_EntityDisplayName& entity, bool qualified) {
  m_params.push_back(new M_ParamEntityType(entity, qualified));
}
void M_Diagnostic::addParameter(const std::vector<U_String>& list) {
  m_params.push_back(new M_ParamListType(list));
}
void M_Diagnostic::addParameter(const M_DiagnosticMsgList& msgs) {
  m_params.push_back(new M_ParamMsgListType(msgs));
}
void M_Diagnostic::addParameter(const U_BPtr<M_Diagnostic>& msg) {
  addParameter(M_DiagnosticMsgList{msg});
}
void M_Diagnostic::addParameter(const U_BPtr<M_ParamType>& param) {
  if (param.isSet()) m_params.push_back(param);
}

bool M_Diagnostic::hasSubMessages() const {
  for (const auto& p : m_params) {
    auto* list = dynamic_cast<const M_ParamMsgListType*>(p.pointer());
    if (list && !list->getMsgList().empty()) return true;
  }
  return false;
}

bool M_Diagnostic::isSameAs(const M_Diagnostic& o) const {
  if (m_msgNo != o.m_msgNo || m_error != o.m_error || m_hidden != o.m_hidden ||
      m_userHidden != o.m_userHidden || m_params.size() != o.m_params.size())
    return false;
  if (U_compareLocation(m_location, o.m_location) != 0) return false;
  for (size_t i = 0; i < m_params.size(); ++i)
    if (m_params[i]->getRepresentation() != o.m_params[i]->getRepresentation()) return false;
  return true;
}

U_String M_getLocationRepresentation(const U_Location& location) {
  if (!location.getFilename().isSet()) return "nofile.cc:0";
  U_String out = M_Settings::displayPath(location.getFilename());
  out += ":" + std::to_string(location.getLine());
  if (location.getColumn() > 0) out += ":" + std::to_string(location.getColumn());
  return out;
}

namespace {
// The include, instantiation and call context asked for by debug keywords.
U_String contextRepresentation(const U_Location& location) {
  U_String out;
  if (M_Settings::hasDebug("showInclLoc")) {
    for (U_Location l = location; l.hasInclLocation(); l = l.getInclLocation())
      out += " incl " + M_getLocationRepresentation(l.getInclLocation());
  }
  if (M_Settings::hasDebug("showInstLoc")) {
    for (U_Location l = location; l.isFromInstantiation(); l = l.getInstLocation())
      out += " inst " + M_getLocationRepresentation(l.getInstLocation()) + " <" + l.getInstArgs() + ">";
  }
  if (M_Settings::hasDebug("showCallLoc")) {
    for (U_Location l = location; l.isFromFnCall(); l = l.getFnCallLocation())
      out += " call " + M_getLocationRepresentation(l.getFnCallLocation());
  }
  return out;
}
}  // namespace

U_String M_Diagnostic::getRepresentation() const {
  U_String out = M_getLocationRepresentation(m_location);
  out += ": Msg=" + std::to_string(m_msgNo) + " #params=" + std::to_string(m_params.size());
  if (!m_params.empty()) {
    out += " {";
    for (size_t i = 0; i < m_params.size(); ++i) {
      if (i) out += ", ";
      out += m_params[i]->getRepresentation();
    }
    out += "}";
  }
  if (m_hidden) out += " hidden by pragma";
  if (m_userHidden) out += " hidden by user";
  return out + contextRepresentation(m_location);
}
