#ifndef REPORT_SPECIALISATION_ORDER_H
#define REPORT_SPECIALISATION_ORDER_H

#include <cstddef>
#include <vector>

#include "util/U_String.h"

// Which partial specialisation a class name is an instance of, decided the
// way the language decides it: a partial specialisation applies when its
// arguments deduce from the name's (every template parameter standing for
// one and the same argument wherever it appears), and of those that apply
// the most specialised one is chosen.
//
// Names are the analyser's qualified names: template parameters are the
// placeholders "@Class..." and "@Func..." (a pack ends in "..."), and both
// names are compared in the canonical form of Name_Parse.
namespace Specialisation_Order {

// Whether `pattern` deduces from `name`: a placeholder binds a run of the
// name with balanced brackets (a pack's run may hold commas and be empty),
// the same placeholder always the same run, and all other text is equal.
// Names that do not parse, and deductions too costly to decide, do not
// deduce.
bool deduces(const U_String& pattern, const U_String& name);

// Whether partial specialisation `a` is at least as specialised as `b`:
// b's pattern deduces from a's arguments, a's parameters taken as opaque
// types.
bool at_least_as_specialised(const U_String& a, const U_String& b);

// Of `patterns`, the position of the one chosen for `name`: among those
// that deduce, the one more specialised than every other; when no single
// one is (an ambiguity the language rejects, or the same pattern twice),
// the first of those that no other is more specialised than.
// patterns.size() when none deduces.
size_t choose(const std::vector<U_String>& patterns, const U_String& name);

}  // namespace Specialisation_Order

#endif
