#include "report/Template_Usage_Orderings.h"

#include <cstring>

#include "report/Define_Names.h"
#include "report/Mixed_Type.h"
#include "report/Util.h"

int Compare_Bytes(const U_String& a, const U_String& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
  if (c != 0) return c;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool Mixed_File_Less(const U_String& a, const U_String& b) {
  if (a == b) return false;
  const bool aGreater = Mixed_Type_Gt(a, b);
  const bool bGreater = Mixed_Type_Gt(b, a);
  // Names such as a7 and a07 are equal in the mixed order although their
  // bytes differ; byte order keeps the ordering strict and weak for them.
  if (!aGreater && !bGreater) return Compare_Bytes(a, b) < 0;
  return !aGreater;
}

bool Compare_Less_Define_Han::operator()(P_Define* a, P_Define* b) const {
  const Define_Names& na = Util::names(a);
  const Define_Names& nb = Util::names(b);
  int c = Compare_Bytes(na.rendered(), nb.rendered());
  if (c != 0) return c < 0;
  if (na.file != nb.file) return Mixed_File_Less(na.file, nb.file);
  return na.line < nb.line;
}

bool Compare_Less_Define_Han_Func::operator()(P_Define* a, P_Define* b) const {
  const Define_Names& na = Util::names(a);
  const Define_Names& nb = Util::names(b);
  int c = Compare_Bytes(na.qual, nb.qual);
  if (c != 0) return c < 0;
  c = Compare_Bytes(na.file, nb.file);
  if (c != 0) return c < 0;
  return na.line < nb.line;
}

bool Compare_Less_Define_Han_Func_2::operator()(P_Define* a, P_Define* b) const {
  const Define_Names& na = Util::names(a);
  const Define_Names& nb = Util::names(b);
  int c = Compare_Bytes(na.file, nb.file);
  if (c != 0) return c < 0;
  if (na.line != nb.line) return na.line < nb.line;
  return Compare_Bytes(na.qual, nb.qual) < 0;
}
