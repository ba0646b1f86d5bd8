#include "model/IncludeHandler.h"
#include "model/FilenameProxy.h"
#include "model/P_UniqueStr.h"

void IncludeTree::addInclude(P_IncludeTreeCont& tree, const P_RelationInclude& include) {
  const char* included = include.getSubject()->getAbsPath();
  if (tree.count(included) != 0) return;  // the first include of a file wins

  const U_Filename including = include.getObject()->getFilename().getHandle();
  const auto outer = tree.find(include.getObject()->getAbsPath());
  U_Location location = outer == tree.end()
                            ? U_Location(including, include.getLine(), 0)
                            : U_Location(including, include.getLine(), 0, U_BPtr<U_MacroHistory>(),
                                         outer->second);
  tree.emplace(included, location);
}

P_IncludeTreeCont& P_getIncludeTreeCont() {
  static P_IncludeTreeCont tree;
  return tree;
}

U_Location P_getIncludeTree(const P_IncludeTreeCont& tree, const char* absName) {
  const auto it = tree.find(absName);
  return it == tree.end() ? U_Location() : it->second;
}

U_Location P_getIncludeLocation(const U_Filename& file) {
  if (!file.isSet()) return U_Location();
  return P_getIncludeTree(P_getIncludeTreeCont(), P_createUniqueStr(file.c_str()));
}
