// Gathering of the template analysis: which definitions are class and
// function templates, their specialisations, the variables declared with an
// instance of a class template and the member functions instantiated.
#include "report/Define_Names.h"
#include "report/ReportOptions.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

namespace {

bool has_class_type(const U_String& type) {
  return type.find("{c") != U_String::npos || type.find("{s") != U_String::npos;
}

// The class named in a variable's type: the text between the "{c" (or
// "{s") marker and the last "}"; empty when the type names no class.
U_String class_name_in_type(const U_String& type) {
  size_t start = type.find("{c");
  if (start == U_String::npos) start = type.find("{s");
  if (start == U_String::npos) return U_String();
  size_t end = type.rfind('}');
  if (end == U_String::npos || end < start + 2) return U_String();
  return type.substr(start + 2, end - start - 2);
}

// Calls fn for every definition of every symbol of the model.
template <class Fn>
void for_each_define(Fn fn) {
  for (PI_SymbolIterHan s = PI_getFirstSymbol(); !PI_isSymbolIterEnd(s);
       PI_getSymbolIterNext(s)) {
    P_Symbol* symbol = PI_getSymbolIterData(s);
    if (symbol == nullptr) continue;
    for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
         PI_getDefineIterNext(d)) {
      if (P_Define* def = PI_getDefineIterData(d)) fn(def);
    }
  }
}

}  // namespace

void Template_Usage_Generate::examine_symbol(P_Symbol* symbol, P_Define* primary,
                                             HanMap& map) {
  if (symbol == nullptr) return;
  for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
       PI_getDefineIterNext(d)) {
    P_Define* def = PI_getDefineIterData(d);
    if (def && PI_isTemplateOrSpecialisation(def) && has_class_type(Util::names(def).type))
      map[def] = primary;
  }
}

void Template_Usage_Generate::examine_specializations(P_Template* tmpl, P_Define* primary,
                                                      HanMap& partials, HanMap& explicits) {
  for (PI_TemplateIterHan t = PI_getTemplateFirstPartialSpec(tmpl); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* partial = PI_getTemplateIterData(t);
    if (partial == nullptr) continue;
    examine_symbol(PI_getTemplatePrimaryTemplate(partial), primary, partials);
    examine_specializations(partial, primary, partials, explicits);
  }
  for (PI_SymbolIterHan s = PI_getTemplateFirstExplicitSpec(tmpl); !PI_isSymbolIterEnd(s);
       PI_getSymbolIterNext(s)) {
    examine_symbol(PI_getSymbolIterData(s), primary, explicits);
  }
}

void Template_Usage_Generate::gather_primaries(HanSet& primaries, HanMap& partials,
                                               HanMap& explicits) {
  const bool structural = ReportOptions::getOptions().getIsStructuralMatch();
  for (PI_TemplateIterHan t = PI_getFirstTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* tmpl = PI_getTemplateIterData(t);
    P_Symbol* symbol = tmpl ? PI_getTemplatePrimaryTemplate(tmpl) : nullptr;
    if (symbol == nullptr) continue;
    P_Define* firstDeclaration = nullptr;
    bool defined = false;
    for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
         PI_getDefineIterNext(d)) {
      P_Define* def = PI_getDefineIterData(d);
      if (def != nullptr && firstDeclaration == nullptr) firstDeclaration = def;
      if (def == nullptr || !PI_isDefineDefinition(def)) continue;
      defined = true;
      primaries.insert(def);
      examine_specializations(tmpl, def, partials, explicits);
    }
    if (structural && !defined && firstDeclaration != nullptr)
      add_declared_only(tmpl, firstDeclaration, primaries, partials, explicits);
  }
  if (structural) add_unrecorded(primaries, partials, explicits);
}

void Template_Usage_Generate::add_unrecorded(HanSet& primaries, HanMap& partials,
                                             HanMap& explicits) {
  for (PI_TemplateIterHan t = PI_getFirstUnrecordedTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* tmpl = PI_getTemplateIterData(t);
    P_Symbol* symbol = tmpl ? PI_getTemplatePrimaryTemplate(tmpl) : nullptr;
    if (symbol == nullptr) continue;
    PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol);
    P_Define* standIn = PI_isDefineIterEnd(d) ? nullptr : PI_getDefineIterData(d);
    // The loop is left before its end, so its handle is released here.
    while (!PI_isDefineIterEnd(d)) PI_getDefineIterNext(d);
    if (standIn != nullptr) add_declared_only(tmpl, standIn, primaries, partials, explicits);
  }
}

void Template_Usage_Generate::add_declared_only(P_Template* tmpl, P_Define* declaration,
                                                HanSet& primaries, HanMap& partials,
                                                HanMap& explicits) {
  if (!has_class_type(Util::names(declaration).type)) return;
  const size_t before = partials.size() + explicits.size();
  examine_specializations(tmpl, declaration, partials, explicits);
  if (partials.size() + explicits.size() != before) primaries.insert(declaration);
}

void Template_Usage_Generate::get_class_and_function_primary_template_handles(
    const HanSet& primaries, HanSet& classes, FuncSet& functions) {
  for (P_Define* def : primaries) {
    const U_String& type = Util::names(def).type;
    if (type.compare(0, 2, "{c") == 0 || type.compare(0, 2, "{s") == 0)
      classes.insert(def);
    else
      functions.insert(def);
  }
}

void Template_Usage_Generate::get_class_instantiations(const Template_Searches& searches,
                                                       HanMap& instances) {
  for_each_define([&](P_Define* def) {
    if (!PI_isDefineVariable(def) || !PI_isDefineDeclaration(def) ||
        PI_isDefineFunctionParameter(def))
      return;
    const U_String className = class_name_in_type(Util::names(def).type);
    if (className.empty()) return;
    if (searches.structural) {
      // Filed under the class the name is an instance of.
      const Owner owner = choose_owner(searches, className);
      if (owner.primary != nullptr) instances[def] = owner.specialisation ? owner.specialisation : owner.primary;
      return;
    }
    const U_String n = norm(className);
    const auto* found = searches.explicits.first(n);
    if (found == nullptr) found = searches.partials.first(n);
    if (found == nullptr) found = searches.classes.first(n);
    if (found != nullptr) instances[def] = found->second;
  });
}

void Template_Usage_Generate::get_primary_templates_members(const Template_Searches& searches,
                                                            HanMap& primaryMembers,
                                                            HanMap& partialMembers,
                                                            HanMap& explicitMembers) {
  for_each_define([&](P_Define* def) {
    if (!PI_isDefineFunction(def)) return;
    // An instantiated member function template reaches the model as its
    // implicit specialisation alone: the definition record that follows it
    // names no template and is not kept.
    const bool templateInstance = searches.structural && PI_isDefineSpecialisation(def);
    if (!PI_isDefineDefinition(def) && !templateInstance) return;
    U_String last, head;
    if (searches.structural)
      Util::get_last_term_of_member(Util::names(def).qual, last, head);
    else
      Util::get_last_term(Util::names(def).qual, last, head);
    if (head.empty()) return;
    if (searches.structural) {
      // A specialisation's member maps to that specialisation.
      const Owner owner = choose_owner(searches, head);
      if (owner.primary == nullptr) return;
      HanMap& map = owner.type == 0 ? explicitMembers
                    : owner.type == 1 ? partialMembers : primaryMembers;
      map.insert({def, owner.specialisation ? owner.specialisation : owner.primary});
      return;
    }
    auto exact = searches.explicitByName.find(head);
    if (exact != searches.explicitByName.end()) {
      explicitMembers.insert({def, exact->second});
      return;
    }
    const U_String n = norm(head);
    if (const auto* t = searches.partials.first(n)) {
      partialMembers.insert({def, t->second});
    } else if (const auto* t = searches.classes.first(n)) {
      primaryMembers.insert({def, t->second});
    }
  });
  if (searches.structural) add_explicit_member_templates(searches, explicitMembers);
}

const std::pair<P_Define*, P_Define*>* Template_Usage_Generate::Indexed::first(
    const U_String& n) const {
  const size_t pos = patterns.first_match(n);
  return pos < entries.size() ? &entries[pos] : nullptr;
}

Template_Usage_Generate::Indexed Template_Usage_Generate::index_by_key(const HanMap& map) {
  Indexed out;
  out.patterns.setStructural(ReportOptions::getOptions().getIsStructuralMatch());
  for (const auto& entry : map) {
    out.entries.push_back(entry);
    out.patterns.add(Util::names(entry.first).pattern());
  }
  return out;
}

Template_Usage_Generate::Indexed Template_Usage_Generate::index_by_key(const HanSet& set) {
  Indexed out;
  out.patterns.setStructural(ReportOptions::getOptions().getIsStructuralMatch());
  for (P_Define* def : set) {
    out.entries.push_back({def, def});
    out.patterns.add(Util::names(def).pattern());
  }
  return out;
}

Template_Usage_Generate::Indexed Template_Usage_Generate::index_by_value(const HanMap& map) {
  Indexed out;
  out.patterns.setStructural(ReportOptions::getOptions().getIsStructuralMatch());
  for (const auto& entry : map) {
    out.entries.push_back(entry);
    out.patterns.add(Util::names(entry.second).pattern());
  }
  return out;
}

Template_Usage_Generate::Template_Searches Template_Usage_Generate::make_searches(
    const HanSet& classes, const HanMap& partials, const HanMap& explicits) {
  Template_Searches out;
  out.explicits = index_by_key(explicits);
  out.partials = index_by_key(partials);
  out.classes = index_by_key(classes);
  for (const auto& entry : explicits)
    out.explicitByName.emplace(Util::names(entry.first).qual, entry.second);
  if (ReportOptions::getOptions().getIsStructuralMatch())
    add_structural_searches(out, partials, explicits);
  return out;
}
