// Value parsing and display of the list option kinds.  Every occurrence of
// a list option appends; only a reset or an assignment empties the list.
#include "config/C_CmdArgs.h"
#include "config/C_OptionTypes.h"
#include "config/QL_getFilenameDisplayPath.h"
#include "intl/QL_FileStat.h"
#include "util/U_NumberRangeList.h"

// Runs of consecutive values are shown as "first-last", runs separated by
// a blank: 1 2 3 7 gives "1-3 7".
U_String C_OptionIntList::getValueRepresentation() const {
  U_String text;
  size_t i = 0;
  while (i < m_values.size()) {
    size_t j = i;
    while (j + 1 < m_values.size() && static_cast<long long>(m_values[j + 1]) == m_values[j] + 1LL) ++j;
    if (!text.empty()) text += ' ';
    text += std::to_string(m_values[i]);
    if (j > i) text += "-" + std::to_string(m_values[j]);
    i = j + 1;
  }
  return text;
}

C_OptionIntList& C_OptionIntList::operator=(const int* values) {
  m_values.clear();
  for (; values && *values != 0; ++values) m_values.push_back(*values);
  return *this;
}

C_OptionIntList::operator const int*() const {
  if (m_values.empty()) return nullptr;
  m_terminated = m_values;
  if (m_terminated.back() != -1) m_terminated.push_back(-1);
  return m_terminated.data();
}

bool C_OptionIntList::doHandleArgument(std::istream& in, C_HasSuffix) {
  U_NumberRangeList ranges;
  ranges.parseRangeList(expectArg(getName(), in));
  m_values.insert(m_values.end(), ranges.values().begin(), ranges.values().end());
  return true;
}

namespace {

// Every element followed by ", ", the last one included.
template <class List, class Show>
U_String joinWithCommas(const List& list, Show show) {
  U_String text;
  for (const auto& element : list) {
    text += show(element);
    text += ", ";
  }
  return text;
}

}  // namespace

U_String C_OptionStringList::getValueRepresentation() const {
  return joinWithCommas(m_values, [](const U_String& s) { return s; });
}

C_OptionStringList& C_OptionStringList::operator=(const std::vector<U_String>& values) {
  m_values = values;
  m_cache.clear();
  return *this;
}

C_OptionStringList& C_OptionStringList::operator=(const char* const* values) {
  m_values.clear();
  for (; values && *values; ++values) m_values.emplace_back(*values);
  m_cache.clear();
  return *this;
}

void C_OptionStringList::setValue(size_t position, const U_String& text) {
  if (position >= m_values.size()) return;
  m_values[position] = text;
  m_cache.clear();
}

void C_OptionStringList::swap(C_OptionStringList& other) {
  C_OptionBase::swap(other);
  m_values.swap(other.m_values);
  m_cache.clear();
  other.m_cache.clear();
}

const char* const* C_OptionStringList::ppc_str() const { return m_cache.get(m_values); }

void C_OptionStringList::doResetOption() {
  m_values.clear();
  m_cache.clear();
}

bool C_OptionStringList::doHandleArgument(std::istream& in, C_HasSuffix) {
  m_values.push_back(expectArg(getName(), in));
  m_cache.clear();
  return true;
}

namespace {

QL_Filename makeFilename(const U_String& text) {
  return QL_Filename::create(QL_FileStat::getNormalisedFilename(QL_String::create(text, eceEUC)));
}

}  // namespace

U_String C_OptionFilenameList::getValueRepresentation() const {
  return joinWithCommas(m_values, [](const QL_Filename& f) { return QL_getFilenameDisplayPath(f); });
}

U_String C_OptionFilenameList::getValueRepresentation(const C_CmdArgs& cmdArgs) const {
  const C_Options& options = cmdArgs.getOptions();
  return joinWithCommas(m_values,
                        [&options](const QL_Filename& f) { return QL_getFilenameDisplayPath(options, f); });
}

C_OptionFilenameList& C_OptionFilenameList::operator=(const List& values) {
  m_values = values;
  m_cache.clear();
  return *this;
}

C_OptionFilenameList& C_OptionFilenameList::operator=(const char* const* values) {
  m_values.clear();
  for (; values && *values; ++values) m_values.push_back(makeFilename(*values));
  m_cache.clear();
  return *this;
}

void C_OptionFilenameList::setValue(size_t position, const U_String& text) {
  if (position >= m_values.size()) return;
  m_values[position] = makeFilename(text);
  m_cache.clear();
}

void C_OptionFilenameList::swap(C_OptionFilenameList& other) {
  C_OptionBase::swap(other);
  m_values.swap(other.m_values);
  m_cache.clear();
  other.m_cache.clear();
}

const char* const* C_OptionFilenameList::ppc_str() const {
  std::vector<U_String> names;
  names.reserve(m_values.size());
  for (const QL_Filename& f : m_values) names.push_back(f.str());
  return m_cache.get(names);
}

void C_OptionFilenameList::doResetOption() {
  m_values.clear();
  m_cache.clear();
}

bool C_OptionFilenameList::doHandleArgument(std::istream& in, C_HasSuffix) {
  m_values.push_back(makeFilename(expectArg(getName(), in)));
  m_cache.clear();
  return true;
}
