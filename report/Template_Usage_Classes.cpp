// The class template section: each primary class template with its
// definitions, instantiated members, partial and explicit specialisations
// and instances.
#include <iterator>

#include "report/Define_Names.h"
#include "report/OutputFormat.h"
#include "report/ReportOptions.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"
#include "source/Qgen.h"

namespace {

// The numbered fragment declaring def, or "" when it cannot be found.
U_String fragment(P_Define* def, const U_String& prefix) {
  return Util::get_statement(Util::object_name(def), Util::line(def), Util::file(def), prefix,
                             ReportOptions::getOptions().getIsStructuralMatch());
}

}  // namespace

void Template_Usage_Generate::list_han_instance_set(OutputFormat* writer, const GroupSet& set) {
  P_Define* previous = nullptr;
  for (P_Define* def : set) {
    const U_String file = Util::file(def);
    const bool sameFile = previous != nullptr && Util::file(previous) == file;
    if (sameFile && Util::line(previous) == Util::line(def)) continue;
    if (!sameFile) {
      writer->printFileLink(Util::os_file(def));
      writer->new_line();
    }
    writer->textInFrame(fragment(def, "  "));
    writer->new_line();
    previous = def;
  }
}

void Template_Usage_Generate::list_members(OutputFormat* writer, Member_Type type, P_Define* p,
                                           const Indexed& members) {
  const Define_Names& names = Util::names(p);
  const U_String n = names.pattern();
  const U_String name = names.rendered();
  GroupSet group;
  U_String groupFile;
  bool any = false;
  for (size_t pos : members.patterns.matches(n)) {
    if (!any) {
      any = true;
      if (type == 0)
        writer->sub_heading_h5(name + " Explicit Class Template Member(s) That Are Instantiated");
      else if (type == 1)
        writer->sub_heading_h5(name + " Partial Class Template Member(s) That Are Instantiated");
      else
        writer->sub_heading_h4(name + " Class Template Member(s) That Are Instantiated");
    }
    P_Define* member = members.entries[pos].first;
    if (group.count(member) != 0) continue;
    const U_String& file = Util::names(member).file;
    if (!groupFile.empty() && groupFile != file) {
      list_han_instance_set(writer, group);
      group.clear();
    }
    group.insert(member);
    groupFile = file;
  }
  if (!group.empty()) list_han_instance_set(writer, group);
  if (any || type == 2) return;
  writer->printPlainBoldText((type == 0 ? "No members of explicit class specialization "
                                        : "No members of partial class specialization ") +
                             name + " are instantiated.");
  writer->new_line();
}

void Template_Usage_Generate::list_template_specializations_or_instantiations(
    OutputFormat* writer, Member_Type type, const Indexed& entries, const Indexed& members,
    P_Define* p, const std::pair<OwnedMap, OwnedMap>* owned) {
  const U_String n = Util::names(p).pattern();
  const U_String name = Util::names(p).rendered();
  GroupSet group;
  U_String groupFile;
  P_Define* last = nullptr;
  bool written = false;
  auto write_group = [&]() {
    writer->sub_heading_h4(name + " " + template_name_computed(type, group.size()));
    list_han_instance_set(writer, group);
    if (owned != nullptr) list_owned(writer, type, group, owned->first, owned->second);
    else list_members(writer, type, last, members);
    written = true;
  };
  for (size_t pos : entries.patterns.matches(n)) {
    const auto& entry = entries.entries[pos];
    const U_String& file = Util::names(entry.first).file;
    if (!groupFile.empty() && groupFile != file) {
      write_group();
      group.clear();
    }
    group.insert(entry.first);
    last = entry.first;
    groupFile = file;
  }
  if (!group.empty()) write_group();
  if (written) return;
  writer->printPlainBoldText("There are no " + Qgen::ustring_lower(template_name_plural(type)) +
                             " of template class " + name + ".");
  writer->new_line();
}

void Template_Usage_Generate::list_class_templates(OutputFormat* writer, const HanSet& classes,
                                                   const HanMap& instances,
                                                   const HanMap& partials,
                                                   const HanMap& explicits,
                                                   const Template_Searches& searches) {
  writer->sectionStart("Template Usage Class Templates");
  writer->main_heading_h2("Class Template Usage");
  writer->initialiseDividerMarkerCounter();
  HanMap primaryMembers, partialMembers, explicitMembers;
  get_primary_templates_members(searches, primaryMembers, partialMembers, explicitMembers);
  const Indexed primaryIndex = index_by_value(primaryMembers);
  const Indexed partialMemberIndex = index_by_value(partialMembers);
  const Indexed explicitMemberIndex = index_by_value(explicitMembers);
  const Indexed partialIndex = index_by_value(partials);
  const Indexed explicitIndex = index_by_value(explicits);
  // Structural matching files an instance of a specialisation under that
  // specialisation; only the primary's own instances stay in its list.
  HanMap primaryInstances, specInstances;
  for (const auto& entry : instances) {
    const bool ofSpec = partials.count(entry.second) != 0 || explicits.count(entry.second) != 0;
    (searches.structural && ofSpec ? specInstances : primaryInstances).insert(entry);
  }
  const Indexed instanceIndex = index_by_value(primaryInstances);
  std::pair<OwnedMap, OwnedMap> partialOwned, explicitOwned;
  if (searches.structural) {
    partialOwned = {by_owner(partialMembers), by_owner(specInstances)};
    explicitOwned = {by_owner(explicitMembers), partialOwned.second};
  }
  const auto* partialOwnedPtr = searches.structural ? &partialOwned : nullptr;
  const auto* explicitOwnedPtr = searches.structural ? &explicitOwned : nullptr;
  if (classes.empty()) {
    writer->printPlainBoldText("No primary template classes.");
    writer->new_line();
  }
  const Indexed noMembers;
  U_String previousName;
  for (auto it = classes.begin(); it != classes.end(); ++it) {
    P_Define* p = *it;
    const U_String qualName = Util::qual_name(p);
    if (it == classes.begin() || qualName != previousName)
      writer->sub_heading_h3(Util::rendered_name(p) + " Primary Class Template");
    previousName = qualName;
    if (searches.structural && PI_isDefineUnrecordedPrimary(p)) {
      // Only its specialisations are in the records: no file, no fragment.
      writer->printPlainText("The primary template " + Util::rendered_name(p) +
                             " is not in the analysed files.");
    } else {
      writer->printFileLink(Util::os_file(p));
      writer->new_line();
      writer->textInFrame(fragment(p, ""));
    }
    writer->new_line();
    auto next = std::next(it);
    if (next != classes.end() && Util::qual_name(*next) == qualName) continue;
    list_members(writer, 2, p, primaryIndex);
    list_template_specializations_or_instantiations(writer, 1, partialIndex, partialMemberIndex,
                                                    p, partialOwnedPtr);
    list_template_specializations_or_instantiations(writer, 0, explicitIndex,
                                                    explicitMemberIndex, p, explicitOwnedPtr);
    list_template_specializations_or_instantiations(writer, 2, instanceIndex, noMembers, p);
  }
  writer->sectionEnd();
}
