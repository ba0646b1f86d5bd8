#ifndef INTL_QL_STRING_H
#define INTL_QL_STRING_H

#include "util/ExtendedCharEncoding.h"
#include "util/U_String.h"

class C_CmdArgs;

// Encoding-aware text, held in the internal encoding (eceEUC).
class QL_String {
 public:
  QL_String() = default;

  // Converts `text` from `encoding` to the internal encoding (unchanged for
  // eceNone and eceEUC).
  static QL_String create(const U_String& text, ExtendedCharEncoding encoding);
  // Uses the local encoding of the run.
  static QL_String create(const U_String& text);
  // Uses the local encoding of the given command line (defined with it).
  static QL_String create(const C_CmdArgs& cmdArgs, const U_String& text);

  // The text converted to `encoding` (unchanged for eceNone and eceEUC).
  U_String get(ExtendedCharEncoding encoding) const;
  const U_String& get() const { return m_text; }
  bool empty() const { return m_text.empty(); }

  bool operator<(const QL_String& o) const;
  bool operator==(const QL_String& o) const { return m_text == o.m_text; }
  bool operator!=(const QL_String& o) const { return m_text != o.m_text; }

 private:
  U_String m_text;
};

#endif
