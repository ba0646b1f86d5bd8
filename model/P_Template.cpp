#include "util/U_Assert.h"
#include "model/TemplateTable.h"

P_Template::P_Template(const U_BPtr<P_Define>& d) : m_primary(new P_Symbol(d)), m_name(d->getName()) {
  m_locations.insert(getFileLinePair(*d));
}

P_Template::FileLinePair P_Template::getFileLinePair(const P_Define& d) {
  return FileLinePair(P_getDefineFilename(&d), d.getLine());
}

bool P_Template::add(const U_BPtr<P_Define>& d, int type) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  switch (type) {
    case Declaration:
    case Definition:
      m_locations.insert(getFileLinePair(*d));
      return m_primary->add(d);
    case Redeclaration:
      m_locations.insert(getFileLinePair(*d));
      m_primary->addRedecl(d);
      return true;
    case ImplicitSpecialisation: return handleTmplSpec(d, type);
    case PartialSpecialisation: return handleTmplPartSpec(d);
    case ExplicitSpecialisation: return handleTmplExplSpec(d, type);
    default: return false;
  }
}

bool P_Template::fileSpec(const U_BPtr<P_Define>& d, SymbolList& list,
                          std::map<const char*, U_BPtr<P_Symbol>>& index) {
  auto it = index.find(d->getName());
  if (it != index.end()) {
    if (!d->hasDef(P_DefRedeclaration)) return it->second->add(d);
    it->second->addRedecl(d);
    return true;
  }
  U_BPtr<P_Symbol> sym(new P_Symbol(d));
  list.push_back(sym);
  index.emplace(d->getName(), sym);
  return true;
}

// An implicit specialisation is instantiated from the primary template or
// from one of its partial specialisations; the analyser gives it the line
// of the definition it was instantiated from, which tells the two apart.
bool P_Template::handleTmplSpec(const U_BPtr<P_Define>& d, int type) {
  if (m_explicitIndex.count(d->getName())) return handleTmplExplSpec(d, ExplicitSpecialisation);
  FileLinePair loc = getFileLinePair(*d);
  if (!hasLocation(loc)) {
    for (const U_BPtr<P_Template>& partial : m_partial) {
      if (partial->hasLocation(loc)) return partial->add(d, type);
    }
  }
  return fileSpec(d, m_implicit, m_implicitIndex);
}

// Each partial specialisation is a template of its own; later records of
// the same partial gather in its primary symbol.
bool P_Template::handleTmplPartSpec(const U_BPtr<P_Define>& d) {
  auto it = m_partialIndex.find(d->getName());
  if (it != m_partialIndex.end()) {
    return it->second->add(d, d->hasDef(P_DefRedeclaration) ? Redeclaration : Declaration);
  }
  U_BPtr<P_Template> partial(new P_Template(d));
  m_partial.push_back(partial);
  m_partialIndex.emplace(d->getName(), partial);
  return true;
}

// A name filed as explicit is no longer an implicit specialisation.
bool P_Template::handleTmplExplSpec(const U_BPtr<P_Define>& d, int /*type*/) {
  auto implicit = m_implicitIndex.find(d->getName());
  if (implicit != m_implicitIndex.end()) {
    P_Symbol* sym = implicit->second.pointer();
    std::erase_if(m_implicit, [sym](const U_BPtr<P_Symbol>& s) { return s.pointer() == sym; });
    m_implicitIndex.erase(implicit);
  }
  return fileSpec(d, m_explicit, m_explicitIndex);
}
