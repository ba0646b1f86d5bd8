#include <utility>

#include "util/U_Assert.h"
#include "model/IdentifierFields.h"
#include "model/TemplateTable.h"

P_Template::P_Template(const U_BPtr<P_Define>& d)
    : m_primary(new P_Symbol(d)),
      m_name(d->getName()),
      m_paramCount(IdentifierFields::getFunctionParamCount(m_name)) {
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

namespace {
const P_Template::SymbolList& noSymbols() {
  static const P_Template::SymbolList* empty = new P_Template::SymbolList();
  return *empty;
}
const P_Template::TemplateList& noTemplates() {
  static const P_Template::TemplateList* empty = new P_Template::TemplateList();
  return *empty;
}
}  // namespace

P_Template::Specialisations& P_Template::specialisations() {
  if (!m_specs) m_specs = std::make_unique<Specialisations>();
  return *m_specs;
}

const P_Template::SymbolList& P_Template::getImplicitSpecs() const {
  return m_specs ? m_specs->implicit : noSymbols();
}
const P_Template::SymbolList& P_Template::getExplicitSpecs() const {
  return m_specs ? m_specs->explicitSpecs : noSymbols();
}
const P_Template::TemplateList& P_Template::getPartialSpecs() const {
  return m_specs ? m_specs->partial : noTemplates();
}

namespace {
P_Symbol* findSpec(P_PtrMap<P_Symbol*>& index, const char* name) {
  P_Symbol** found = index.find(name);
  return found ? *found : nullptr;
}
}  // namespace

bool P_Template::fileSpec(const U_BPtr<P_Define>& d, SymbolList& list, SymbolIndex& index) {
  if (P_Symbol* known = findSpec(index, d->getName())) {
    if (!d->hasDef(P_DefRedeclaration)) return known->add(d);
    known->addRedecl(d);
    return true;
  }
  list.emplace_back(new P_Symbol(d));
  *index.emplace(d->getName(), nullptr).first = list.back().pointer();
  return true;
}

// An implicit specialisation is instantiated from the primary template or
// from one of its partial specialisations; the analyser gives it the line
// of the definition it was instantiated from, which tells the two apart.
bool P_Template::handleTmplSpec(const U_BPtr<P_Define>& d, int type) {
  Specialisations& s = specialisations();
  if (findSpec(s.explicitIndex, d->getName())) return handleTmplExplSpec(d, ExplicitSpecialisation);
  FileLinePair loc = getFileLinePair(*d);
  if (!hasLocation(loc)) {
    for (const U_BPtr<P_Template>& partial : s.partial) {
      if (partial->hasLocation(loc)) return partial->add(d, type);
    }
  }
  return fileSpec(d, s.implicit, s.implicitIndex);
}

// Each partial specialisation is a template of its own; later records of
// the same partial gather in its primary symbol.
bool P_Template::handleTmplPartSpec(const U_BPtr<P_Define>& d) {
  Specialisations& s = specialisations();
  auto it = s.partialIndex.find(d->getName());
  if (it != s.partialIndex.end()) {
    return it->second->add(d, d->hasDef(P_DefRedeclaration) ? Redeclaration : Declaration);
  }
  U_BPtr<P_Template> partial(new P_Template(d));
  s.partial.push_back(partial);
  s.partialIndex.emplace(d->getName(), partial);
  return true;
}

// A name filed as explicit is no longer an implicit specialisation.
bool P_Template::handleTmplExplSpec(const U_BPtr<P_Define>& d, int /*type*/) {
  Specialisations& s = specialisations();
  P_Symbol** implicit = s.implicitIndex.find(d->getName());
  if (implicit != nullptr && *implicit != nullptr) {
    P_Symbol* sym = std::exchange(*implicit, nullptr);
    std::erase_if(s.implicit, [sym](const U_BPtr<P_Symbol>& other) { return other.pointer() == sym; });
  }
  return fileSpec(d, s.explicitSpecs, s.explicitIndex);
}
