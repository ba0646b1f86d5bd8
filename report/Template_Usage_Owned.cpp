// Structural matching: the members and instances of a group of partial or
// explicit specialisations, each filed under the specialisation that owns
// it (the one C++ chooses for its class name).
#include "report/Define_Names.h"
#include "report/OutputFormat.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

Template_Usage_Generate::OwnedMap Template_Usage_Generate::by_owner(const HanMap& map) {
  OwnedMap out;
  for (const auto& entry : map) out[entry.second].insert(entry.first);
  return out;
}

namespace {

// Everything the specialisations of `group` own, in the group order.
Template_Usage_Generate::GroupSet owned_by(const Template_Usage_Generate::GroupSet& group,
                                           const Template_Usage_Generate::OwnedMap& map) {
  Template_Usage_Generate::GroupSet out;
  for (P_Define* specialisation : group) {
    auto found = map.find(specialisation);
    if (found != map.end()) out.insert(found->second.begin(), found->second.end());
  }
  return out;
}

}  // namespace

void Template_Usage_Generate::list_owned(OutputFormat* writer, Member_Type type,
                                         const GroupSet& group, const OwnedMap& members,
                                         const OwnedMap& instances) {
  if (group.empty()) return;
  const U_String name = Util::names(*group.rbegin()).rendered();
  const U_String kind = type == 0 ? "Explicit" : "Partial";
  const GroupSet ownMembers = owned_by(group, members);
  if (!ownMembers.empty()) {
    writer->sub_heading_h5(name + " " + kind + " Class Template Member(s) That Are Instantiated");
    list_han_instance_set(writer, ownMembers);
  } else {
    writer->printPlainBoldText((type == 0 ? "No members of explicit class specialization "
                                          : "No members of partial class specialization ") +
                               name + " are instantiated.");
    writer->new_line();
  }
  const GroupSet ownInstances = owned_by(group, instances);
  if (ownInstances.empty()) return;
  writer->sub_heading_h5(name + " " + kind + " Class Template Specialization Instance(s)");
  list_han_instance_set(writer, ownInstances);
}

void Template_Usage_Generate::add_explicit_member_templates(const Template_Searches& searches,
                                                            HanMap& explicitMembers) {
  for (PI_TemplateIterHan t = PI_getFirstTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* tmpl = PI_getTemplateIterData(t);
    P_Symbol* symbol = tmpl ? PI_getTemplatePrimaryTemplate(tmpl) : nullptr;
    if (symbol == nullptr) continue;
    for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
         PI_getDefineIterNext(d)) {
      P_Define* def = PI_getDefineIterData(d);
      if (def == nullptr || !PI_isDefineFunction(def) || !PI_isDefineDefinition(def)) continue;
      U_String last, head;
      Util::get_last_term_of_member(Util::names(def).qual, last, head);
      if (head.empty()) continue;
      const Owner owner = choose_owner(searches, head);
      if (owner.type == 0 && owner.specialisation != nullptr)
        explicitMembers.insert({def, owner.specialisation});
    }
  }
}
