#ifndef REPORT_OVERLOAD_MATCH_H
#define REPORT_OVERLOAD_MATCH_H

#include <cstddef>
#include <functional>
#include <vector>

#include "util/U_String.h"

// Which overload of a function template an instantiation comes from.  An
// instantiation's name carries its template arguments and its parameter
// list ("lib::f<int>(int*)"); an overload's name carries placeholders
// ("lib::f<@FuncTempParam1>(@FuncTempParam1*)").  The arguments are bound
// to the placeholders, put into the overload's parameter list (references
// collapsed, a parameter's top-level "const" dropped) and the result must
// be the instantiation's parameter list, so "T*", "T&", "const T&" and the
// number of parameters tell overloads apart.
namespace Overload_Match {

// Whether `instance` is a specialisation of `overload` (both qualified
// names as the analyser writes them).
bool specialises(const U_String& overload, const U_String& instance);

// Whether overload `a` is at least as specialised as `b`: b's parameter
// list, its placeholders free, takes a's with a's placeholders held fixed.
bool at_least_as_specialised(const U_String& a, const U_String& b);

// The overloads (indices into `overloads`) an instantiation is filed under:
// the most specialised of those it specialises; among several equally
// specialised, those declared on the instantiation's line (its record
// carries the line of the template it was made from), else all of them.
// When it specialises none, the overloads whose placeholder pattern
// matches its name (`looseMatch(i)`, asked only then), ranked the same way;
// when none of those either, the overloads on its line, else all.
std::vector<size_t> choose(const std::vector<U_String>& overloads,
                           const std::vector<int>& overloadLines,
                           const std::function<bool(size_t)>& looseMatch,
                           const U_String& instance, int instanceLine);

}  // namespace Overload_Match

#endif
