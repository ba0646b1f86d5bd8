#ifndef MESSAGES_M_DIAGNOSTIC_H
#define MESSAGES_M_DIAGNOSTIC_H

#include <vector>

#include "util/U_BPtr.h"
#include "util/U_Location.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

class M_Diagnostic;
class M_ParamTypeNav;
class QL_String;
class QL_Filename;

using M_DiagnosticMsgList = std::vector<U_BPtr<M_Diagnostic>>;

// One typed parameter of a diagnostic.
class M_ParamType : public U_Ref {
 public:
  ~M_ParamType() override = default;
  virtual U_String getRepresentation() const = 0;
  virtual void navigate(const M_ParamTypeNav& nav) const = 0;
};

class M_ParamStringType : public M_ParamType {
 public:
  explicit M_ParamStringType(U_String text) : m_text(std::move(text)) {}
  const U_String& getString() const { return m_text; }
  U_String getRepresentation() const override { return m_text; }
  void navigate(const M_ParamTypeNav& nav) const override;

 private:
  U_String m_text;
};

// A named program entity.  The display name is kept fully qualified; the
// unqualified form is its last scope component.
class M_ParamEntityType : public M_ParamType {
 public:
  M_ParamEntityType(U_EntityDisplayName name, bool qualified)
      : m_name(std::move(name)), m_qualified(qualified) {}
  const U_EntityDisplayName& getEntity() const { return m_name; }
  bool isQualified() const { return m_qualified; }
  // The name as shown to users: qualified or not, as the parameter asks.
  U_String getDisplayName() const;
  U_String getRepresentation() const override { return getDisplayName(); }
  void navigate(const M_ParamTypeNav& nav) const override;

 private:
  U_EntityDisplayName m_name;
  bool m_qualified;
};

class M_ParamListType : public M_ParamType {
 public:
  explicit M_ParamListType(std::vector<U_String> items) : m_items(std::move(items)) {}
  const std::vector<U_String>& getList() const { return m_items; }
  U_String getRepresentation() const override;
  void navigate(const M_ParamTypeNav& nav) const override;

 private:
  std::vector<U_String> m_items;
};

// Nested diagnostics (sub-messages) attached to a diagnostic.
class M_ParamMsgListType : public M_ParamType {
 public:
  explicit M_ParamMsgListType(M_DiagnosticMsgList msgs) : m_msgs(std::move(msgs)) {}
  const M_DiagnosticMsgList& getMsgList() const { return m_msgs; }
  U_String getRepresentation() const override;
  void navigate(const M_ParamTypeNav& nav) const override;

 private:
  M_DiagnosticMsgList m_msgs;
};

// Visitor over parameter kinds; each kind's navigate() calls its overload.
class M_ParamTypeNav {
 public:
  virtual ~M_ParamTypeNav() = default;
  virtual void onNode(const M_ParamType&) const {}
  virtual void onNode(const M_ParamStringType& p) const { onNode(static_cast<const M_ParamType&>(p)); }
  virtual void onNode(const M_ParamEntityType& p) const { onNode(static_cast<const M_ParamType&>(p)); }
  virtual void onNode(const M_ParamListType& p) const { onNode(static_cast<const M_ParamType&>(p)); }
  virtual void onNode(const M_ParamMsgListType& p) const { onNode(static_cast<const M_ParamType&>(p)); }
};

// A diagnostic: message number, location, typed parameters and flags.
class M_Diagnostic : public U_Ref {
 public:
  M_Diagnostic() = default;
  explicit M_Diagnostic(int msgNo) : m_msgNo(msgNo) {}
  M_Diagnostic(int msgNo, const U_Location& location) : m_msgNo(msgNo), m_location(location) {}

  int getMsgNo() const { return m_msgNo; }
  void setMsgNo(int msgNo) { m_msgNo = msgNo; }
  const U_Location& getLocation() const { return m_location; }
  void setLocation(const U_Location& location) { m_location = location; }

  int parameters() const { return static_cast<int>(m_params.size()); }
  const U_BPtr<M_ParamType>& parameter(int i) const { return m_params.at(static_cast<size_t>(i)); }

  void addParameter(const U_String& text);
  void addParameter(const char* text) { addParameter(U_String(text ? text : "")); }
  void addParameter(const QL_String& text);
  void addParameter(int value);
  void addParameter(const QL_Filename& file);
  void addParameter(const U_EntityDisplayName& entity, bool qualified);  // entity parameter
  void addParameter(const std::vector<U_String>& list);
  void addParameter(const M_DiagnosticMsgList& msgs);
  void addParameter(const U_BPtr<M_Diagnostic>& msg);
  void addParameter(const U_BPtr<M_ParamType>& param);

  bool isHidden() const { return m_hidden; }
  void setHidden(bool v) { m_hidden = v; }
  bool isUserHidden() const { return m_userHidden; }
  void setUserHidden(bool v) { m_userHidden = v; }
  // Set when the diagnostic was hidden in any way when it was read back
  // from an error file; not stored in the current format.
  bool isSuppressed() const { return m_suppressed; }
  void setSuppressed(bool v) { m_suppressed = v; }
  bool isError() const { return m_error; }
  void setError(bool v) { m_error = v; }

  bool hasSubMessages() const;
  // Same message number, location (file, line, column), flags and parameter texts.
  bool isSameAs(const M_Diagnostic& other) const;

  // One line: "file:line[:col]: Msg=N #params=K {p1, p2}" and hidden marks.
  U_String getRepresentation() const;

 private:
  int m_msgNo = 0;
  U_Location m_location;
  std::vector<U_BPtr<M_ParamType>> m_params;
  bool m_hidden = false;
  bool m_userHidden = false;
  bool m_suppressed = false;
  bool m_error = false;
};

// Display text of a location as the simple output shows it:
// "path:line[:col]", or "nofile.cc:0" without a file.
U_String M_getLocationRepresentation(const U_Location& location);

#endif
