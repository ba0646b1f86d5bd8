#ifndef REPORT_UTIL_H
#define REPORT_UTIL_H

#include <list>
#include <vector>

#include "model/PI_Interface.h"
#include "util/U_String.h"

// Names and code fragments of the report.  The analyser stores every
// definition under an internal qualified name (constructor, destructor,
// operator and unnamed-namespace markers, template argument lists and
// parameter lists); these functions turn it into the name the report shows
// and cut the declaration's numbered source lines out of its file.
namespace Util {

// Display name of a definition: its qualified name without parameter
// lists, template arguments and markers.
U_String rendered_name(P_Define* def);
// The rendered name after its last "::".
U_String object_name(P_Define* def);
// The definition's file name as the report links it.
U_String os_file(P_Define* def);

// The same two operations on texts, for callers that already hold them.
U_String rendered_name_of(const U_String& qualName);
U_String object_name_of(const U_String& renderedName);

// Drops every parenthesised part: A::f(int) -> A::f.
U_String trim_function_arg_list(const U_String& s);
// Empties every template argument list, keeping its outer brackets:
// std::map<K, V<int> >::find -> std::map<>::find.
U_String strip(const U_String& s);
// Splits name at its last "::" outside brackets: last keeps the "::".
void get_last_term(const U_String& name, U_String& last, U_String& head);
// As get_last_term, but an operator whose symbol holds '>' ("->@", ">>=@")
// ends the scope too: its '>' closes no list.
void get_last_term_of_member(const U_String& name, U_String& last, U_String& head);

// The numbered code fragment declaring `name` whose name token stands on
// `line` (1-based) of `file`; empty when the name is not found there.
// With `structural`, a token of closing angle brackets (">>") closes that
// many lists, and the fragment starts at the declaration's template header
// (macro lines between header and declaration stay) or, without one, after
// the last macro line (an upper-case name, perhaps with arguments, alone on
// its line) above the name's line; "<" and ">" inside parentheses are
// comparisons.
U_String get_statement(const U_String& name, int line, const U_String& file,
                       const U_String& prefix, bool structural = false);
// The same over lines already read: `clean` is the blanked form of `raw`.
U_String get_statement_in_lines(const U_String& name, int line,
                                const std::vector<U_String>& clean,
                                const std::vector<U_String>& raw,
                                const U_String& prefix, bool structural = false);
// Whether a line's tokens are a macro use alone: one upper-case name
// (with "_", or of four characters or more, or with arguments), perhaps
// followed by a parenthesised argument list.
bool is_macro_line(const std::vector<U_String>& tokens);
// Formats the chosen 0-based lines, each as prefix, right-aligned line
// number, ": " and the raw text; leading blank lines are left out.
U_String add_line_numbers_to_statements(const std::list<int>& lines,
                                        const std::vector<U_String>& cleanLines,
                                        const std::vector<U_String>& rawLines,
                                        const U_String& prefix);

// Plain accessors; every text goes through the model's output form.
int line(P_Define* def);
U_String type(P_Define* def);
U_String file(P_Define* def);
U_String qual_name(P_Define* def);
U_String os_norm(const U_String& name);

}  // namespace Util

#endif
