// Value parsing and display of the single-valued option kinds.
#include <sstream>

#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"
#include "config/C_OptionTypes.h"
#include "intl/QL_FileStat.h"

U_String C_OptionBool::getValueRepresentation() const { return m_value ? "+ (on)" : "- (off)"; }

// A bare option switches on; an attached value must be "+" or "-".
bool C_OptionBool::doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) {
  if (hasSuffix == C_HasSuffix::no) {
    m_value = true;
    return true;
  }
  U_String text = expectArg(getName(), in);
  size_t first = text.find_first_not_of(" \t");
  U_String c = first == U_String::npos ? U_String() : text.substr(first, 1);
  if (c == "+") {
    m_value = true;
  } else if (c == "-") {
    m_value = false;
  } else {
    throw C_InvalidArgValueException(getName(), c);
  }
  return true;
}

U_String C_OptionInt::getValueRepresentation() const { return std::to_string(m_value); }

// Leading digits count; anything that is not a number gives 0.
bool C_OptionInt::doHandleArgument(std::istream& in, C_HasSuffix) {
  std::istringstream text(expectArg(getName(), in));
  int value = 0;
  text >> value;
  if (text.fail()) value = 0;
  m_value = value;
  return true;
}

const char* C_OptionString::c_str() const {
  if (!m_value.empty()) return m_value.c_str();
  return isSet() ? m_value.c_str() : nullptr;
}

bool C_OptionString::doHandleArgument(std::istream& in, C_HasSuffix) {
  m_value = expectArg(getName(), in);
  return true;
}

C_OptionFilename::C_OptionFilename(const char* name, const char* defaultValue)
    : C_OptionBase(name),
      m_value(QL_FileStat::getNormalisedFilename(QL_String::create(defaultValue, eceNone))),
      m_default(defaultValue) {}

C_OptionFilename& C_OptionFilename::operator=(const char* value) {
  m_value = QL_FileStat::getNormalisedFilename(QL_String::create(value ? value : ""));
  return *this;
}

void C_OptionFilename::doResetOption() {
  m_value = QL_FileStat::getNormalisedFilename(QL_String::create(m_default, eceNone));
}

bool C_OptionFilename::doHandleArgument(std::istream& in, C_HasSuffix) {
  // Words reach the options already in the internal encoding.
  m_value = QL_FileStat::getNormalisedFilename(QL_String::create(expectArg(getName(), in), eceEUC));
  return true;
}

C_OptionI8NString::C_OptionI8NString(const char* name, const char* defaultValue)
    : C_OptionBase(name), m_value(QL_String::create(defaultValue, eceNone)), m_default(defaultValue) {}

void C_OptionI8NString::doResetOption() { m_value = QL_String::create(m_default, eceNone); }

bool C_OptionI8NString::doHandleArgument(std::istream& in, C_HasSuffix) {
  m_value = QL_String::create(expectArg(getName(), in), eceEUC);
  return true;
}
