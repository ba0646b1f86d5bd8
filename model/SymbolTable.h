#ifndef MODEL_SYMBOLTABLE_H
#define MODEL_SYMBOLTABLE_H

#include <utility>
#include <vector>

#include "model/P_Define.h"
#include "model/P_PtrMap.h"
#include "model/P_Symbol.h"
#include "util/U_BPtr.h"

// How SymbolTable::addEntry classified a define.
enum P_SymbolAddResult {
  P_AddNewSymbol = 0,
  P_AddProjRedecl = 2,
  P_AddRedecl = 3,
  P_AddDefinition = 4,
};

// All symbols of the run.  External declarations are matched across files
// through the project map; everything else only within the current file
// through the file map, which is emptied before each file.
class SymbolTable {
 public:
  using SymbolList = std::vector<U_BPtr<P_Symbol>>;
  // Keys are interned pointers, so hashing the pointer is enough.  The
  // symbols are owned by the symbol list, so the maps hold plain pointers.
  using SymbolMap = P_PtrMap<P_Symbol*>;
  using const_iterator = SymbolList::const_iterator;

  SymbolTable() = default;
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  // Files d under its symbol; returns the symbol and a P_SymbolAddResult.
  std::pair<U_BPtr<P_Symbol>, int> addEntry(const U_BPtr<P_Define>& d);
  // The symbol of an interned key in the current file, or null.
  P_Symbol* findSymbol(const char* key) const;
  // Forgets the current file's symbols (before reading the next file).
  void clearInternSyms() { m_fileMap.clear(); }

  // All symbols in creation order.
  const_iterator begin() const { return m_symbols.begin(); }
  const_iterator end() const { return m_symbols.end(); }
  const SymbolList& getSymbols() const { return m_symbols; }
  std::size_t size() const { return m_symbols.size(); }

  // "Missing 'DC' for NAME" reports on standard output: on with the debug
  // keyword "show-symbol-errors", or when switched on here.
  static void setShowSymbolErrors(bool on);
  static bool getShowSymbolErrors();

 private:
  std::pair<U_BPtr<P_Symbol>, int> addDeclaration(const U_BPtr<P_Define>& d, const char* key);
  U_BPtr<P_Symbol> newSymbol(const U_BPtr<P_Define>& d);
  // The key a define of this interned name is filed under.
  const char* keyOf(const char* name);

  SymbolList m_symbols;
  SymbolMap m_projectMap;
  SymbolMap m_fileMap;
};

// The process-wide symbol table.
SymbolTable& P_getSymbolTable();
// The symbol of an interned key in the current file of the table (default:
// the process-wide one), or null.  A null key is an assertion.
P_Symbol* P_getUniqueStrSymbol(const char* key);
P_Symbol* P_getUniqueStrSymbol(const char* key, const SymbolTable& table);

#endif
