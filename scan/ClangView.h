#ifndef SCAN_CLANGVIEW_H
#define SCAN_CLANGVIEW_H

#include <string>
#include <vector>

#include <clang/AST/ASTContext.h>

#include "scan/UnitFiles.h"

namespace kxdf_scan {

// Clang's own account of a unit, for checking the report against: one line
// per class and function template specialisation it instantiated and per
// variable whose type is a class template specialisation, sorted:
//   class NAME
//   function NAME
//   variable NAME TYPE "FILE" LINE
std::vector<std::string> describeUnit(clang::ASTContext& context, UnitFiles& files);

}  // namespace kxdf_scan

#endif
