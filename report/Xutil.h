#ifndef REPORT_XUTIL_H
#define REPORT_XUTIL_H

#include <vector>

#include "util/U_String.h"

// String and number helpers shared by the report and its writer.
namespace Xutil {

// The namespace URI bound to the kxdf prefix in every report document,
// placeholders included.
inline constexpr const char KXDF_NAMESPACE_URI[] = "urn:halcyra:kxdf:report:1.0";

// Replaces every `from` by `to` in place; the search resumes after the
// inserted text, so replacements never overlap or cascade.
void Global_Replace(U_String& s, U_String from, U_String to);
// File name (without suffix) of a section's document: blanks become
// underscores, letters are lowered.
U_String link_target(const U_String& title);
// Rounds half away from zero; values beyond the int range are clamped.
int Round(double d);
// Whole part and hundredths of a non-negative value (0 for negative or
// NaN values; clamped to the unsigned range).
void splitDouble(double d, unsigned int& whole, unsigned int& hundredths);
// Lowers every character before the first NUL byte.
U_String To_Lower(const U_String& s);
U_String U_StringOfInt(long n);
// Three decimals followed by one space.
U_String format_3dp(double d);
// Terms of a settings line split at any of `separators`; `quote` groups
// text containing separators and is dropped; a backslash before `quote`
// gives the quote itself.  Empty terms are left out.
std::vector<U_String> split_string_allowing_specific_quoted_terms(const U_String& separators,
                                                                  const U_String& text, char quote);

}  // namespace Xutil

#endif
