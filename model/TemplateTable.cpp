#include "model/TemplateTable.h"

#include "model/IdentifierFields.h"
#include "util/U_Assert.h"

namespace {

bool isDependent(const P_Define& d) { return d.hasFlag(P_FlagDependent); }

}  // namespace

TemplateTable& getTemplateTable() {
  static TemplateTable* table = new TemplateTable();  // lives for the whole run
  return *table;
}

bool P_isTemplateOrSpecialisation(const P_Define* d, bool inScope) {
  U_ASSERT(0 != d && "Dont dereference 0.");
  uint8_t flags = d->getTemplateFlags();
  if (flags & (P_TmplDependentList | P_TmplList)) return true;
  return inScope && (flags & (P_TmplDependentNoList | P_TmplInTemplateScope)) != 0;
}

bool P_isTemplateOrSpecialisation(const P_Define* d) { return P_isTemplateOrSpecialisation(d, true); }
P_Define* P_getPrimaryTemplate(P_Define* d) { return d; }
P_Define* P_getFirstPartial(P_Define* d) { return d; }

TemplateTable::DefineList TemplateTable::addEntry(const U_BPtr<P_Define>& d) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  return addEntry(P_getDefineQualName(d.pointer()), d);
}

TemplateTable::DefineList TemplateTable::addEntry(const char* name, const U_BPtr<P_Define>& d) {
  DefineList out;
  addEntry(name, d, out);
  return out;
}

void TemplateTable::addEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out) {
  U_ASSERT(d.isSet() && "Dont dereference 0.");
  if (!P_isTemplateOrSpecialisation(d.pointer(), true)) {
    out.push_back(d);
  } else if (P_isTemplateOrSpecialisation(d.pointer(), false)) {
    addTemplateEntry(name, d, out);
  } else {
    addScopedEntry(name, d, out);
  }
}

// A define with a template list of its own: the template itself or one of
// its specialisations.
void TemplateTable::addTemplateEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out) {
  const P_Define& def = *d;
  if (def.hasDef(P_DefPartialSpecialisation)) {
    P_Template* t = findTemplateOfSpecialisation(name);
    if (t == nullptr) t = unrecordedTemplateOf(name, d);
    t->add(d, P_Template::PartialSpecialisation);
  } else if (def.hasDef(P_DefExplicitSpecialisation)) {
    // A dependent explicit specialisation (inside another template) names
    // no specialisation of its own and is not filed.
    if (isDependent(def)) return;
    if (P_Template* t = findTemplateOfSpecialisation(name)) {
      t->add(d, P_Template::ExplicitSpecialisation);
      m_locationMap.emplace(P_Template::getFileLinePair(def), t);
    } else {
      unrecordedTemplateOf(name, d)->add(d, P_Template::ExplicitSpecialisation);
    }
  } else if (def.hasDef(P_DefImplicitSpecialisation)) {
    if (P_Template* t = findTemplateOfSpecialisation(name)) t->add(d, P_Template::ImplicitSpecialisation);
    // Instantiations also reach the symbol table, so that the symbol
    // clients learn in which file each one was seen.
    if (!isDependent(def)) out.push_back(d);
  } else if (def.hasDef(P_DefDeclaration)) {
    declareTemplate(name, d);
  } else if (def.hasDef(P_DefDefinition | P_DefRedeclaration)) {
    if (P_Template* t = findTemplate(name)) {
      if (!isDependent(def)) out.push_back(d);
      t->add(d, P_Template::Definition);
    } else if (def.hasDef(P_DefRedeclaration)) {
      d->addDef(P_DefDeclaration);
      addEntry(name, d, out);
    }
  }
}

void TemplateTable::declareTemplate(const char* name, const U_BPtr<P_Define>& d) {
  P_Template::FileLinePair loc = P_Template::getFileLinePair(*d);
  if (P_Template* const* known = m_nameMap.find(name)) {
    U_BPtr<P_Template> t(*known);
    t->add(d, P_Template::Declaration);
    m_locationMap.emplace(loc, t);
    return;
  }
  U_BPtr<P_Template> t(new P_Template(d));
  bool added = m_nameMap.emplace(name, t.pointer()).second;
  U_ASSERT(added && "We should always add a new entry for a declaration in a different TU");
  m_templates.push_back(t);
  auto skeleton = m_skeletonMap.emplace(skeletonOf(name), m_skeletonLists.size());
  if (skeleton.second) m_skeletonLists.emplace_back();
  m_skeletonLists[*skeleton.first].push_back(t);
  m_locationMap.emplace(loc, t);
}

// A define without a template list of its own that depends on a template
// parameter or lies in a template's scope (a member of a template or of a
// specialisation).
void TemplateTable::addScopedEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out) {
  if (d->hasDef(P_DefExplicitSpecialisation | P_DefPartialSpecialisation)) {
    // Register the enclosing template entity: the innermost scope that has
    // a template list.
    const char* scope = name;
    while (*scope && !*IdentifierFields::getTemplateParams(scope)) scope = IdentifierFields::getScope(scope);
    if (*scope) {
      U_BPtr<P_Define> enclosing(new P_Define(*d, scope));
      DefineList ignored;
      addEntry(scope, enclosing, ignored);
    }
  }
  if (!isDependent(*d)) out.push_back(d);
}

P_Template* TemplateTable::unrecordedTemplateOf(const char* name, const U_BPtr<P_Define>& d) {
  const char* templateName = IdentifierFields::stripTemplateParams(name);
  if (P_Template* const* known = m_unrecordedByName.find(templateName)) return *known;
  U_BPtr<P_Define> standIn(new P_Define(*d, templateName));
  U_BPtr<P_Template> t(new P_Template(standIn));
  m_unrecorded.push_back(t);
  m_unrecordedByName.emplace(templateName, t.pointer());
  m_unrecordedPrimaries.insert(standIn.pointer());
  return t.pointer();
}

P_Template* TemplateTable::findTemplate(const char* name) const {
  P_Template* const* found = m_nameMap.find(name);
  return found ? *found : nullptr;
}

P_Template* TemplateTable::findTemplateOfSpecialisation(const char* name) const {
  if (P_Template* exact = findTemplate(name)) return exact;
  const std::size_t* index = m_skeletonMap.find(skeletonOf(name));
  if (index == nullptr || m_skeletonLists[*index].empty()) return nullptr;
  const TemplateList& candidates = m_skeletonLists[*index];
  int params = IdentifierFields::getFunctionParamCount(name);
  for (const U_BPtr<P_Template>& t : candidates) {
    if (t->getFunctionParamCount() == params) return t.pointer();
  }
  return candidates.front().pointer();
}

// Every unit instantiates the same templates again, so the skeleton of an
// (interned) name is worked out once.
const char* TemplateTable::skeletonOf(const char* name) const {
  if (const char* const* known = m_skeletons.find(name)) return *known;
  const char* skeleton = IdentifierFields::getSkeleton(name);
  m_skeletons.emplace(name, skeleton);
  return skeleton;
}

P_Template* TemplateTable::findTemplateAt(const P_Template::FileLinePair& loc) const {
  auto it = m_locationMap.find(loc);
  return it == m_locationMap.end() ? nullptr : it->second.pointer();
}
