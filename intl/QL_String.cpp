#include "intl/QL_String.h"

#include <cstring>

#include "intl/EncodingConverter.h"
#include "intl/QL_LocalEncoding.h"

QL_String QL_String::create(const U_String& text, ExtendedCharEncoding encoding) {
  QL_String s;
  if (encoding == eceNone || encoding == eceEUC)
    s.m_text = text;
  else
    s.m_text = QL_convertToInternal(text, encoding);
  return s;
}

QL_String QL_String::create(const U_String& text) { return create(text, QL_getLocalEncoding()); }

U_String QL_String::get(ExtendedCharEncoding encoding) const {
  if (encoding == eceNone || encoding == eceEUC) return m_text;
  return QL_convertFromInternal(m_text, encoding);
}

bool QL_String::operator<(const QL_String& o) const {
  size_t n = m_text.size() < o.m_text.size() ? m_text.size() : o.m_text.size();
  int c = n ? std::memcmp(m_text.data(), o.m_text.data(), n) : 0;
  if (c != 0) return c < 0;
  return m_text.size() < o.m_text.size();
}
