// Structural matching: the class a class name (a variable's type, a member
// function's scope) is an instance of.  An explicit specialisation of the
// same name comes first; else the most specialised partial specialisation
// whose arguments deduce from the name's; else the primary template.
#include <map>

#include "report/Define_Names.h"
#include "report/Name_Parse.h"
#include "report/Specialisation_Order.h"
#include "report/Template_Usage_Generate.h"

namespace {

// The canonical form of name and its text outside all lists; false when
// the name does not parse.
bool canonical_parts(const U_String& name, U_String& canonical, U_String& skeleton) {
  const std::optional<Name_Parse::Node> node = Name_Parse::parse(name);
  if (!node) return false;
  bool wild = false;
  canonical = Name_Parse::render(*node);
  skeleton = Name_Parse::skeleton(*node, wild);
  return true;
}

// The first define of symbol, or null.
P_Define* first_define(P_Symbol* symbol) {
  if (symbol == nullptr) return nullptr;
  PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol);
  P_Define* first = PI_isDefineIterEnd(d) ? nullptr : PI_getDefineIterData(d);
  // The loop is left before its end, so its handle is released here.
  while (!PI_isDefineIterEnd(d)) PI_getDefineIterNext(d);
  return first;
}

// Records the implicit specialisations of tmpl as instantiated from `from`.
void note_instances(P_Template* tmpl, size_t from,
                    std::unordered_map<U_String, size_t>& instantiatedFrom) {
  U_String canonical, skeleton;
  for (PI_SymbolIterHan s = PI_getTemplateFirstImplicictSpec(tmpl); !PI_isSymbolIterEnd(s);
       PI_getSymbolIterNext(s)) {
    P_Define* def = first_define(PI_getSymbolIterData(s));
    if (def != nullptr && canonical_parts(Util::names(def).qual, canonical, skeleton))
      instantiatedFrom.emplace(canonical, from);
  }
}

// Notes the instances of tmpl and of each of its partial specialisations.
void note_template(P_Template* tmpl, const std::map<P_Define*, size_t>& partialAt,
                   std::unordered_map<U_String, size_t>& instantiatedFrom) {
  if (tmpl == nullptr) return;
  for (PI_TemplateIterHan t = PI_getTemplateFirstPartialSpec(tmpl); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* partial = PI_getTemplateIterData(t);
    if (partial == nullptr) continue;
    for (PI_DefineIterHan d = PI_getSymbolFirstDefine(PI_getTemplatePrimaryTemplate(partial));
         !PI_isDefineIterEnd(d); PI_getDefineIterNext(d)) {
      auto at = partialAt.find(PI_getDefineIterData(d));
      if (at != partialAt.end()) note_instances(partial, at->second, instantiatedFrom);
    }
  }
  note_instances(tmpl, U_String::npos, instantiatedFrom);
}

}  // namespace

void Template_Usage_Generate::add_instantiation_sources(Template_Searches& out) {
  std::map<P_Define*, size_t> partialAt;
  for (size_t i = 0; i < out.partialList.size(); ++i) partialAt.emplace(out.partialList[i].first, i);
  for (PI_TemplateIterHan t = PI_getFirstTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t))
    note_template(PI_getTemplateIterData(t), partialAt, out.instantiatedFrom);
  for (PI_TemplateIterHan t = PI_getFirstUnrecordedTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t))
    note_template(PI_getTemplateIterData(t), partialAt, out.instantiatedFrom);
}

void Template_Usage_Generate::add_structural_searches(Template_Searches& out,
                                                      const HanMap& partials,
                                                      const HanMap& explicits) {
  out.structural = true;
  U_String canonical, skeleton;
  for (const auto& entry : explicits)
    if (canonical_parts(Util::names(entry.first).qual, canonical, skeleton))
      out.explicitByCanonical.emplace(canonical, entry);
  for (const auto& entry : partials) {
    if (!canonical_parts(Util::names(entry.first).qual, canonical, skeleton)) continue;
    out.partialsBySkeleton[skeleton].push_back(out.partialList.size());
    out.partialList.push_back(entry);
  }
  add_instantiation_sources(out);
}

Template_Usage_Generate::Owner Template_Usage_Generate::choose_owner(
    const Template_Searches& searches, const U_String& className) {
  auto cached = searches.ownerCache.find(className);
  if (cached != searches.ownerCache.end()) return cached->second;
  const Owner out = find_owner(searches, className);
  searches.ownerCache.emplace(className, out);
  return out;
}

Template_Usage_Generate::Owner Template_Usage_Generate::find_owner(
    const Template_Searches& searches, const U_String& className) {
  Owner out;
  U_String canonical, skeleton;
  if (canonical_parts(className, canonical, skeleton)) {
    auto byCanonical = searches.explicitByCanonical.find(canonical);
    if (byCanonical != searches.explicitByCanonical.end())
      return Owner{0, byCanonical->second.first, byCanonical->second.second};
    auto source = searches.instantiatedFrom.find(canonical);
    const bool known = source != searches.instantiatedFrom.end();
    if (known && source->second < searches.partialList.size()) {
      const auto& entry = searches.partialList[source->second];
      return Owner{1, entry.first, entry.second};
    }
    auto bucket = searches.partialsBySkeleton.find(skeleton);
    if (!known && bucket != searches.partialsBySkeleton.end()) {
      std::vector<U_String> patterns;
      for (size_t pos : bucket->second)
        patterns.push_back(Util::names(searches.partialList[pos].first).qual);
      const size_t chosen = Specialisation_Order::choose(patterns, className);
      if (chosen < patterns.size()) {
        const auto& entry = searches.partialList[bucket->second[chosen]];
        return Owner{1, entry.first, entry.second};
      }
    }
  }
  if (const auto* found = searches.classes.first(norm(className))) out.primary = found->second;
  return out;
}
