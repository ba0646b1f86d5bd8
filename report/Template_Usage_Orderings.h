#ifndef REPORT_TEMPLATE_USAGE_ORDERINGS_H
#define REPORT_TEMPLATE_USAGE_ORDERINGS_H

#include "model/PI_Interface.h"
#include "util/U_String.h"

// Orders of definitions used by the template sections.  Each is a strict
// weak ordering; names are compared as byte strings (common length with
// memcmp, then the shorter string first).

// By rendered name, then by file in mixed text-and-number order (byte order
// for files that order ranks equal), then by line.
struct Compare_Less_Define_Han {
  bool operator()(P_Define* a, P_Define* b) const;
};

// By qualified name, then file name, then line.
struct Compare_Less_Define_Han_Func {
  bool operator()(P_Define* a, P_Define* b) const;
};

// By file name, then line, then qualified name.
struct Compare_Less_Define_Han_Func_2 {
  bool operator()(P_Define* a, P_Define* b) const;
};

// Byte comparison of two names: <0, 0 or >0.
int Compare_Bytes(const U_String& a, const U_String& b);
// The file part of Compare_Less_Define_Han: whether file a sorts before b.
bool Mixed_File_Less(const U_String& a, const U_String& b);

#endif
