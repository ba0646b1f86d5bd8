#include <utility>

#include "config/C_OptionTypes.h"

const char* const* C_CStringCache::get(const std::vector<U_String>& texts) const {
  if (texts.empty()) return nullptr;
  if (m_ptrs.empty()) {
    m_copies = texts;
    for (const U_String& t : m_copies) m_ptrs.push_back(t.c_str());
    m_ptrs.push_back(nullptr);
  }
  return m_ptrs.data();
}

bool C_OptionBase::handleArgument(std::istream& in, C_HasSuffix hasSuffix) {
  m_set = true;
  return doHandleArgument(in, hasSuffix);
}

void C_OptionBase::resetOption() {
  doResetOption();
  m_set = false;
}

void C_OptionBase::swap(C_OptionBase& other) {
  std::swap(m_name, other.m_name);
  std::swap(m_set, other.m_set);
}
