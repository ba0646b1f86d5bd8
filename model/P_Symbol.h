#ifndef MODEL_P_SYMBOL_H
#define MODEL_P_SYMBOL_H

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "model/P_Define.h"
#include "model/P_Pool.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"

// Orders defines by file (interned path pointer), line, type pointer, Def,
// Inc, Space, Scope, Linkage and flags.  The name is not compared: the
// symbol a define belongs to already decides its name.
struct CompareDefineHanLess {
  bool operator()(const U_BPtr<P_Define>& a, const U_BPtr<P_Define>& b) const;
};

using P_DefineSet = std::set<U_BPtr<P_Define>, CompareDefineHanLess, P_PoolAllocator<U_BPtr<P_Define>>>;

// All defines of one entity: its declarations and definitions, the
// redeclarations kept under the define they redeclare, its definition and
// its latest define.
class P_Symbol : public U_Ref {
 public:
  using RedeclMap = std::map<U_BPtr<P_Define>, P_DefineSet, CompareDefineHanLess>;

  // d becomes the latest define (and the definition when it is one).
  explicit P_Symbol(const U_BPtr<P_Define>& d);
  P_POOLED_ALLOCATION(P_Symbol)

  // Adds a declaration or definition.  A definition at the location of the
  // latest define merges into it.  Returns false when an equal define was
  // stored already and nothing changed.
  bool add(const U_BPtr<P_Define>& d);
  // Files d among the redeclarations of the latest define.
  void addRedecl(const U_BPtr<P_Define>& d);

  const P_DefineSet& getDefineList() const { return m_defines; }
  // Whether some define of the list is an implicit specialisation.  A
  // define's Def is settled before it enters the list, so this is kept up
  // as defines come, and a client looking for instantiations can pass over
  // every other symbol without walking its defines.
  bool hasImplicitSpecialisation() const { return m_hasImplicitSpecialisation; }
  // The definition when there is one, else the latest define.
  P_Define* getCurrentDefine() const;
  const U_BPtr<P_Define>& getDefinition() const { return m_definition; }
  const U_BPtr<P_Define>& getLatestDefine() const { return m_latest; }
  // Asserts when define has no redeclarations.
  const P_DefineSet& getDefineRedeclList(P_Define* define) const;
  bool hasDefineRedeclList(P_Define* define) const;

 private:
  // Stores d in the set; returns the element actually held (an equal define
  // stored earlier wins).
  const U_BPtr<P_Define>& insertDefine(const U_BPtr<P_Define>& d, bool& inserted);
  void mergeIntoLatest(const U_BPtr<P_Define>& d);

  // First, so that it fills the reference count's padding.
  bool m_hasImplicitSpecialisation = false;
  P_DefineSet m_defines;
  // Few symbols have redeclarations: the map is created on first use.
  std::unique_ptr<RedeclMap> m_redeclList;
  U_BPtr<P_Define> m_definition;
  U_BPtr<P_Define> m_latest;
};

// C-style accessors; a null symbol is an assertion.
// Defines a symbol was given but does not store: a definition merged into
// the declaration at its place, or a duplicate of a stored define.  They may
// already have been handed to clients, and what clients receive stays owned
// by the model for the rest of the run, so they are kept here.
using P_DefineList = std::deque<U_BPtr<P_Define>>;
const P_DefineList& P_getUnstoredDefines();

const P_DefineSet& P_getSymbolDefineList(const P_Symbol* sym);
P_Define* P_getSymbolCurrentDefine(const P_Symbol* sym);
const P_DefineSet& P_getSymbolDefineRedeclList(const P_Symbol* sym, P_Define* define);
bool P_hasSymbolDefineRedeclList(const P_Symbol* sym, P_Define* define);
bool P_hasSymbolImplicitSpecialisation(const P_Symbol* sym);

#endif
