#include "model/SymbolTable.h"

#include <cstdio>

#include "model/IdentifierFields.h"
#include "model/P_DebugKeywords.h"
#include "model/P_UniqueStr.h"
#include "util/U_Assert.h"

namespace {

bool& forcedSymbolErrors() {
  static bool on = false;
  return on;
}

bool showSymbolErrors() { return forcedSymbolErrors() || P_showSymbolErrors(); }

bool isDeclarationLike(const P_Define& d) {
  return d.hasDef(P_DefDeclaration | P_DefImplicitSpecialisation | P_DefExplicitSpecialisation |
                  P_DefPartialSpecialisation);
}

P_Symbol* lookup(const SymbolTable::SymbolMap& map, const char* key) {
  P_Symbol* const* found = map.find(key);
  return found ? *found : nullptr;
}

}  // namespace

void SymbolTable::setShowSymbolErrors(bool on) { forcedSymbolErrors() = on; }
bool SymbolTable::getShowSymbolErrors() { return showSymbolErrors(); }

std::pair<U_BPtr<P_Symbol>, int> SymbolTable::addEntry(const U_BPtr<P_Define>& d) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  P_Define& def = *d;
  const char* key = keyOf(def.getName());

  // Enums and labels are declared and defined at once; an implicit define is
  // a definition when its name is already known in this file.
  if (P_isDefineEnum(&def) || P_isDefineLabel(&def)) {
    def.setDef(P_DefDeclaration | P_DefDefinition);
  } else if (def.hasDef(P_DefImplicit)) {
    def.addDef(m_fileMap.contains(key) ? P_DefDefinition : P_DefDeclaration);
  }

  if (isDeclarationLike(def)) return addDeclaration(d, key);

  // Every macro record is a symbol of its own.
  if (def.getSpace() == P_SpaceMacro) return {newSymbol(d), P_AddDefinition};

  P_Symbol* found = lookup(m_fileMap, key);
  if (found == nullptr) {
    def.clearDef(P_DefRedeclaration);
    def.addDef(P_DefDeclaration);
    if (showSymbolErrors()) std::printf("Missing 'DC' for %s\n", IdentifierFields::getFullname(def.getName()));
    return addDeclaration(d, key);
  }
  U_BPtr<P_Symbol> sym(found);
  if (def.hasDef(P_DefDefinition)) {
    sym->add(d);
    return {sym, P_AddDefinition};
  }
  if (def.hasDef(P_DefRedeclaration)) sym->addRedecl(d);
  return {sym, P_AddRedecl};
}

std::pair<U_BPtr<P_Symbol>, int> SymbolTable::addDeclaration(const U_BPtr<P_Define>& d, const char* key) {
  bool external = d->getLinkage() == P_LinkageExternal;
  U_BPtr<P_Symbol> sym;
  int kind = P_AddNewSymbol;
  if (external) {
    if (P_Symbol* known = lookup(m_projectMap, key)) {
      sym = U_BPtr<P_Symbol>(known);
      kind = P_AddProjRedecl;
    }
  }
  if (!sym.isSet()) {
    sym = newSymbol(d);
    if (external) m_projectMap.emplace(key, sym.pointer());
  }
  m_fileMap.emplace(key, sym.pointer());
  // A new symbol was made from d already; adding it again would only find
  // the equal define in its set.
  if (kind != P_AddNewSymbol) sym->add(d);
  return {sym, kind};
}

// Define names are interned, so a name that is not a function (one not
// ending in a marked parameter list) is its own key.  A function's key is
// worked out once per name, since header records come again in every unit
// that includes the header, and kept in the name's link: it depends on the
// name alone.
const char* SymbolTable::keyOf(const char* name) {
  if (name == nullptr) return name;
  const std::size_t length = P_getUniqueStrLength(name);
  if (length == 0 || name[length - 1] != P_IdMarker::ParamClose) return name;
  if (const char* known = P_getUniqueStrLink(name)) return known;
  const char* key = IdentifierFields::getOverloadFuncName(name);
  P_setUniqueStrLink(name, key);
  return key;
}

U_BPtr<P_Symbol> SymbolTable::newSymbol(const U_BPtr<P_Define>& d) {
  U_BPtr<P_Symbol> sym(new P_Symbol(d));
  m_symbols.push_back(sym);
  return sym;
}

P_Symbol* SymbolTable::findSymbol(const char* key) const {
  U_ASSERT(0 != key && "Key is unset");
  return lookup(m_fileMap, key);
}

SymbolTable& P_getSymbolTable() {
  static SymbolTable* table = new SymbolTable();  // lives for the whole run
  return *table;
}

P_Symbol* P_getUniqueStrSymbol(const char* key) { return P_getUniqueStrSymbol(key, P_getSymbolTable()); }

P_Symbol* P_getUniqueStrSymbol(const char* key, const SymbolTable& table) { return table.findSymbol(key); }
