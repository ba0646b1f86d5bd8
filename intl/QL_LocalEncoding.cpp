#include "intl/QL_LocalEncoding.h"

#include <cstdlib>

namespace {

struct NamedEncoding {
  const char* name;
  ExtendedCharEncoding encoding;
};

// Codeset suffixes of locale names (the part after the dot).
constexpr NamedEncoding kLocaleCodesets[] = {
    {"utf-8", eceUTF},    {"utf8", eceUTF},         {"eucjp", eceEUC},
    {"euc-jp", eceEUC},   {"ujis", eceEUC},         {"sjis", eceSJIS},
    {"shiftjis", eceSJIS}, {"shift_jis", eceSJIS},  {"pck", eceSJIS},
};

// Values of the "encoding" option.
constexpr NamedEncoding kOptionNames[] = {
    {"none", eceNone},        {"ascii", eceNone},      {"euc", eceEUC},
    {"eucjp", eceEUC},        {"euc-jp", eceEUC},      {"sjis", eceSJIS},
    {"shiftjis", eceSJIS},    {"shift_jis", eceSJIS},  {"jis", eceNewJIS},
    {"newjis", eceNewJIS},    {"oldjis", eceOldJIS},   {"necjis", eceNECJIS},
    {"utf", eceUTF},          {"utf8", eceUTF},        {"utf-8", eceUTF},
};

template <size_t N>
ExtendedCharEncoding lookup(const NamedEncoding (&table)[N], const U_String& name,
                            ExtendedCharEncoding missing) {
  for (const NamedEncoding& e : table)
    if (U_stricmp(e.name, name.c_str()) == 0) return e.encoding;
  return missing;
}

ExtendedCharEncoding& localEncoding() {
  static ExtendedCharEncoding encoding = QL_encodingFromLang(std::getenv("LANG"));
  return encoding;
}

}  // namespace

ExtendedCharEncoding QL_encodingFromLang(const char* lang) {
  if (lang == nullptr) return eceNone;
  U_String value(lang);
  size_t dot = value.find('.');
  if (dot == U_String::npos) return eceNone;
  U_String codeset = value.substr(dot + 1);
  size_t at = codeset.find('@');  // modifier, e.g. "@euro"
  if (at != U_String::npos) codeset.erase(at);
  return lookup(kLocaleCodesets, codeset, eceNone);
}

ExtendedCharEncoding QL_encodingFromName(const U_String& name) {
  return lookup(kOptionNames, name, eceInvalid);
}

ExtendedCharEncoding QL_getLocalEncoding() { return localEncoding(); }

void QL_setLocalEncoding(ExtendedCharEncoding encoding) { localEncoding() = encoding; }

ExtendedCharEncoding QL_getFilenameEncoding() { return QL_getLocalEncoding(); }
