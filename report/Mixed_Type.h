#ifndef REPORT_MIXED_TYPE_H
#define REPORT_MIXED_TYPE_H

#include <vector>

#include "util/U_String.h"

// Mixed text-and-number order, so that item9 comes before item10.

// The maximal runs of decimal digits and of other characters, in order.
std::vector<U_String> Split_Mixed_Type(const U_String& s);
// True when a is greater than b: runs of digits compare as numbers, all
// other runs as byte strings; with all common runs equal, more runs win.
bool Mixed_Type_Gt(const U_String& a, const U_String& b);

#endif
