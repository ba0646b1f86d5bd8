#include "model/P_Symbol.h"

#include "util/U_Assert.h"

bool CompareDefineHanLess::operator()(const U_BPtr<P_Define>& a, const U_BPtr<P_Define>& b) const {
  const P_Define& x = *a;
  const P_Define& y = *b;
  // Defines of one symbol mostly share their file's proxy; only different
  // proxies (which may still name one file) need their paths looked at.
  if (x.getFile().pointer() != y.getFile().pointer()) {
    const char* xf = x.getFile().isSet() ? x.getFile()->getAbsPath() : nullptr;
    const char* yf = y.getFile().isSet() ? y.getFile()->getAbsPath() : nullptr;
    if (xf != yf) return std::less<const char*>()(xf, yf);
  }
  if (x.getLine() != y.getLine()) return x.getLine() < y.getLine();
  if (x.getType() != y.getType()) return std::less<const char*>()(x.getType(), y.getType());
  if (x.getDef() != y.getDef()) return x.getDef() < y.getDef();
  if (x.getInc() != y.getInc()) return x.getInc() < y.getInc();
  if (x.getSpace() != y.getSpace()) return x.getSpace() < y.getSpace();
  if (x.getScope() != y.getScope()) return x.getScope() < y.getScope();
  if (x.getLinkage() != y.getLinkage()) return x.getLinkage() < y.getLinkage();
  return x.getFlags() < y.getFlags();
}

namespace {
// A deque, not a vector: growing never copies the handles, which would
// touch the reference count of every define kept so far.
P_DefineList& unstoredDefines() {
  static auto* kept = new P_DefineList();  // lives until the process ends
  return *kept;
}
}  // namespace

const P_DefineList& P_getUnstoredDefines() { return unstoredDefines(); }

P_Symbol::P_Symbol(const U_BPtr<P_Define>& d) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  bool inserted = false;
  m_latest = insertDefine(d, inserted);
  if (m_latest->hasDef(P_DefDefinition)) m_definition = m_latest;
}

const U_BPtr<P_Define>& P_Symbol::insertDefine(const U_BPtr<P_Define>& d, bool& inserted) {
  auto result = m_defines.insert(d);
  inserted = result.second;
  if (inserted && d->hasDef(P_DefImplicitSpecialisation)) m_hasImplicitSpecialisation = true;
  return *result.first;
}

bool P_Symbol::add(const U_BPtr<P_Define>& d) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  bool isDefinition = d->hasDef(P_DefDefinition);
  if (isDefinition && P_hasDefineSameLocation(d.pointer(), m_latest.pointer())) {
    mergeIntoLatest(d);
    unstoredDefines().push_back(d);
    return true;
  }
  bool inserted = false;
  m_latest = insertDefine(d, inserted);
  if (isDefinition) m_definition = m_latest;
  if (!inserted) unstoredDefines().push_back(d);
  return inserted;
}

// The latest define becomes a definition carrying d's flags.  Def and flags
// take part in the set order, so the define is taken out of the set (and out
// of the redeclaration map) while it changes.
void P_Symbol::mergeIntoLatest(const U_BPtr<P_Define>& d) {
  // The symbol's only define, with no redeclarations filed under it (a new
  // entity's declaration and definition records): nothing else in the set
  // to order it against, so it changes in place.
  if (m_defines.size() == 1 && m_defines.begin()->pointer() == m_latest.pointer() &&
      (!m_redeclList || m_redeclList->empty())) {
    m_latest->addDef(P_DefDefinition);
    m_latest->mergeRecord(*d);
    m_definition = m_latest;
    return;
  }
  U_BPtr<P_Define> latest = m_latest;
  bool wasStored = m_defines.erase(latest) != 0;
  RedeclMap::node_type redecls;
  if (m_redeclList) redecls = m_redeclList->extract(latest);
  latest->addDef(P_DefDefinition);
  latest->mergeRecord(*d);
  if (wasStored) {
    bool inserted = false;
    m_latest = insertDefine(latest, inserted);
    // Merged, it equals a define stored before (a header's declaration and
    // definition seen again by another unit); clients were handed it.
    if (!inserted) unstoredDefines().push_back(latest);
  }
  if (!redecls.empty()) {
    redecls.key() = m_latest;
    auto result = m_redeclList->insert(std::move(redecls));
    if (!result.inserted) result.position->second.merge(result.node.mapped());
  }
  m_definition = m_latest;
}

void P_Symbol::addRedecl(const U_BPtr<P_Define>& d) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  if (!m_redeclList) m_redeclList = std::make_unique<RedeclMap>();
  (*m_redeclList)[m_latest].insert(d);
}

P_Define* P_Symbol::getCurrentDefine() const {
  return m_definition.isSet() ? m_definition.pointer() : m_latest.pointer();
}

const P_DefineSet& P_Symbol::getDefineRedeclList(P_Define* define) const {
  U_ASSERT(hasDefineRedeclList(define) && "We have no redeclarations for this symbol/define");
  return m_redeclList->find(U_BPtr<P_Define>(define))->second;
}

bool P_Symbol::hasDefineRedeclList(P_Define* define) const {
  if (!define || !m_redeclList) return false;
  return m_redeclList->count(U_BPtr<P_Define>(define)) != 0;
}

namespace {
const P_Symbol& checkedSymbol(const P_Symbol* sym) {
  U_ASSERT(0 != sym && "Dont dereference 0.");
  return *sym;
}
}  // namespace

const P_DefineSet& P_getSymbolDefineList(const P_Symbol* sym) { return checkedSymbol(sym).getDefineList(); }
P_Define* P_getSymbolCurrentDefine(const P_Symbol* sym) { return checkedSymbol(sym).getCurrentDefine(); }
const P_DefineSet& P_getSymbolDefineRedeclList(const P_Symbol* sym, P_Define* define) {
  return checkedSymbol(sym).getDefineRedeclList(define);
}
bool P_hasSymbolDefineRedeclList(const P_Symbol* sym, P_Define* define) {
  return checkedSymbol(sym).hasDefineRedeclList(define);
}
bool P_hasSymbolImplicitSpecialisation(const P_Symbol* sym) {
  return checkedSymbol(sym).hasImplicitSpecialisation();
}
