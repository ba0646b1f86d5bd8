#ifndef SCAN_CLANGVIEW_H
#define SCAN_CLANGVIEW_H

#include <string>
#include <vector>

#include <clang/AST/ASTContext.h>

#include "scan/UnitFiles.h"

namespace kxdf_scan {

// Clang's own account of a unit, for checking the report against, sorted,
// one fact a line.  NAME and TEMPLATE are spelled as records spell them
// (TEMPLATE is always a primary class or function template); "FILE" LINE is
// where the entity's name stands:
//   class NAME                  a class template specialisation it instantiated
//   function NAME               a function template specialisation it instantiated
//   variable NAME TYPE "FILE" LINE   a variable of a class specialisation's type
// and, for the templates and uses the report can see (declared in recorded files):
//   unit "FILE"                 the unit's main file
//   template KIND NAME "FILE" LINE   a definition of a template: KIND is
//       class (primary class template), partial or explicit (class template
//       specialisation), or function (a function template, member
//       templates included)
//   instance KIND TEMPLATE NAME "FILE" LINE   a variable or data member NAME
//       outside instantiations whose type is a specialisation of TEMPLATE;
//       KIND says which definition C++ chose for it: primary, partial, explicit
//   member KIND TEMPLATE NAME "FILE" LINE   a member function NAME of a
//       specialisation of TEMPLATE that was instantiated (for an explicit
//       specialisation: defined), at the declaration it comes from; KIND as above
//   use TEMPLATE NAME "FILE" LINE   an instantiated specialisation NAME of the
//       function template TEMPLATE, whose definition stands at FILE LINE (for
//       a member template of a class template: the one in the template)
std::vector<std::string> describeUnit(clang::ASTContext& context, UnitFiles& files);

}  // namespace kxdf_scan

#endif
