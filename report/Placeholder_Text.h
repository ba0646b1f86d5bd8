#ifndef REPORT_PLACEHOLDER_TEXT_H
#define REPORT_PLACEHOLDER_TEXT_H

#include <cstddef>
#include <map>
#include <set>
#include <vector>

#include "util/U_String.h"

// Texts that hold template parameter placeholders ("@FuncTempParam1",
// "@ClassTempParam2") as the analyser writes them, compared with the text
// of an instantiation: bound placeholders are put in, free ones stand for a
// balanced run of the other text.
namespace Placeholder_Text {

// The arguments bound to placeholders while one name is compared.
struct Bindings {
  std::map<U_String, U_String> one;                 // placeholder -> argument
  std::map<U_String, std::vector<U_String>> packs;  // pack placeholder -> arguments
  int fresh = 0;                                    // free placeholders made so far
  // Placeholders bound to two different arguments in the name: a class
  // template nested in another numbers its parameters from 1 too, so
  // "@ClassTempParam1" may be either; such a one stays free.
  std::set<U_String> ambiguous;
};

// The length of the placeholder token at s[i], or 0.
size_t placeholder_at(const U_String& s, size_t i);
// Whether s holds a placeholder token.
bool has_placeholder(const U_String& s);
// Whether s ends with `tail`.
bool ends_with(const U_String& s, const char* tail);
// "@FuncTempParam2" for the entry "@FuncTempParam2..." (a pack), else empty.
U_String pack_name(const U_String& entry);
// Whether the entry is one placeholder and nothing else.
bool is_bare_placeholder(const U_String& entry);
// The text without a trailing "const": a parameter's top-level "const"
// does not belong to the function's type.
U_String drop_top_const(U_String s);
// The pattern with its bound placeholders replaced (references collapsed,
// "const" not doubled); a bound pack followed by "..." becomes its
// arguments separated by commas.
U_String substitute(const U_String& pat, const Bindings& b);
// Whether the pattern, its bound placeholders put in and each dependent
// qualified name made a free placeholder, reads as `text`; placeholders
// bound on the way stay in `b`.
bool holds(const U_String& pat, const U_String& text, Bindings& b);

}  // namespace Placeholder_Text

#endif
