#ifndef INTL_QL_FILENAME_H
#define INTL_QL_FILENAME_H

#include "intl/QL_String.h"
#include "util/U_Filename.h"

// A file name value: normalised, made a real path, and interned, so two
// spellings of one file give the same handle.
class QL_Filename {
 public:
  QL_Filename() = default;
  static QL_Filename create(const QL_String& name);
  // Wraps an already interned real path.
  static QL_Filename fromHandle(const U_Filename& handle);

  bool isSet() const { return m_name.isSet(); }
  const U_Filename& getHandle() const { return m_name; }
  // The real path in the file-name encoding.
  const U_String& str() const { return m_name.str(); }
  const char* c_str() const { return m_name.c_str(); }
  // The real path as encoding-aware text.
  QL_String getQLString() const;

  bool operator==(const QL_Filename& o) const { return m_name == o.m_name; }
  bool operator!=(const QL_Filename& o) const { return m_name != o.m_name; }
  bool operator<(const QL_Filename& o) const { return m_name < o.m_name; }

 private:
  U_Filename m_name;
};

#endif
