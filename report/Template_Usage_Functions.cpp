// The function template section: function templates grouped with their
// overloads, and the files in which each was instantiated.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <unordered_map>
#include <vector>

#include "intl/QL_String.h"
#include "model/P_CurrentSource.h"
#include "model/P_PtrMap.h"
#include "model/P_Symbol.h"
#include "report/OutputFormat.h"
#include "report/ReportOptions.h"
#include "report/Define_Names.h"
#include "report/Name_Parse.h"
#include "report/Overload_Match.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

namespace {

// Overloads of one function template share this key: the name without
// parameter lists and with emptied template argument lists.  Structural
// matching reads the name's structure, so operator symbols stay whole; a
// name it cannot read keeps the text key.
U_String overload_key_of(const U_String& qualName) {
  if (ReportOptions::getOptions().getIsStructuralMatch()) {
    const U_String key = Name_Parse::overload_key(qualName);
    if (!key.empty()) return key;
  }
  return Util::strip(Util::trim_function_arg_list(qualName));
}
U_String overload_key(P_Define* def) { return overload_key_of(Util::qual_name(def)); }

// Group key and qualified name of an instantiation: a symbol's definitions
// share their name, and a symbol is seen again for every unit that
// instantiates it.  The display name is rendered only for the name that
// starts a group, the one the group is named after.
struct Instantiation_Names {
  U_String key, qual;
  Template_Usage_Generate::Group_Instantiations* group = nullptr;  // the record's entry, once made
  // With structural matching, where the name is kept per instantiation:
  // the line of its record, its index in the group's instances, and the
  // numbers of the files seen since the last move into the group.
  int line = 0;
  size_t instance = SIZE_MAX;
  std::vector<uint32_t> files;
};

// What the symbol client asks of an instantiation name on every sighting,
// kept in the index slot itself: most sightings end with "recorded for this
// file already", which then costs one memory access.
struct Instantiation_Seen {
  uint32_t names;                     // index in instantiation_names()
  uint32_t recordedFor = UINT32_MAX;  // the current_file() last recorded
};

std::deque<Instantiation_Names>& instantiation_names() {
  static std::deque<Instantiation_Names> names;
  return names;
}

// The entry of an interned internal name, made on its first sighting.  The
// reference is good until the next call.
Instantiation_Seen& instantiation_seen(const char* internalName) {
  static P_PtrMap<Instantiation_Seen> index;
  if (Instantiation_Seen* known = index.find(internalName)) return *known;
  std::deque<Instantiation_Names>& names = instantiation_names();
  const char* text = internalName ? PI_getOutputString(internalName) : nullptr;
  const U_String qual = text ? U_String(text) : U_String();
  names.push_back({overload_key_of(qual), qual, nullptr, 0, SIZE_MAX, {}});
  return *index.emplace(internalName, {static_cast<uint32_t>(names.size() - 1)}).first;
}

// The files read, in reading order: a file's number is its index here.  A
// file read again later gets a second number.  The texts never move: the
// groups' file sets point at them.
std::deque<U_String>& files_read() {
  static std::deque<U_String> files;
  return files;
}

// The number of the file being read, taken from the current source; the
// symbol client runs for every new symbol, and building the text each time
// cost more than the recording itself.
uint32_t current_file() {
  static U_String raw;
  std::deque<U_String>& files = files_read();
  const U_String& now = WORKAROUND::srcFilename.str();
  if (files.empty() || now != raw) {
    raw = now;
    files.push_back(QL_String::create(now, eceEUC).get());
  }
  return static_cast<uint32_t>(files.size() - 1);
}

// Instantiations seen while reading, as (group, file number), not yet in
// the groups' file sets.  A group's set holds hundreds of files, and
// inserting each file as it comes means a walk down the tree with a text
// comparison at every step; sorted first, the files go in at the end of the
// set one comparison each (see add_pending_files).
using Pending_File = std::pair<Template_Usage_Generate::Group_Instantiations*, uint32_t>;
std::vector<Pending_File>& pending_files() {
  static std::vector<Pending_File> pending;
  return pending;
}

// Moves the pending files into their groups' sets.
void add_pending_files() {
  std::vector<Pending_File>& pending = pending_files();
  if (pending.empty()) return;
  const std::deque<U_String>& files = files_read();
  // Byte order of the file numbers, worked out once for all groups.
  std::vector<uint32_t> byOrder(files.size());
  for (uint32_t i = 0; i < byOrder.size(); ++i) byOrder[i] = i;
  std::sort(byOrder.begin(), byOrder.end(),
            [&files](uint32_t a, uint32_t b) { return Compare_Bytes(files[a], files[b]) < 0; });
  std::vector<uint32_t> rank(files.size());
  for (uint32_t r = 0; r < byOrder.size(); ++r) rank[byOrder[r]] = r;

  std::sort(pending.begin(), pending.end(), [&rank](const Pending_File& a, const Pending_File& b) {
    return a.first != b.first ? std::less<>()(a.first, b.first) : rank[a.second] < rank[b.second];
  });
  for (const Pending_File& p : pending) p.first->files.insert(p.first->files.end(), &files[p.second]);
  pending.clear();
  pending.shrink_to_fit();  // reading is normally over: give the memory back
}

// Moves the files noted per instantiation name into their groups'
// instances (structural matching only).
void add_instance_files() {
  const std::deque<U_String>& files = files_read();
  for (Instantiation_Names& names : instantiation_names()) {
    if (names.group == nullptr || names.files.empty()) continue;
    std::vector<Template_Usage_Generate::Group_Instantiations::Instance>& instances =
        names.group->instances;
    if (names.instance == SIZE_MAX) {
      names.instance = instances.size();
      instances.push_back({names.qual, names.line, {}});
    }
    for (uint32_t f : names.files) instances[names.instance].files.insert(&files[f]);
    names.files.clear();
  }
}

Template_Usage_Generate::InstantiationRecord& record_being_filled() {
  static Template_Usage_Generate::InstantiationRecord record;
  return record;
}

// Only implicit specialisations are instantiations: an explicit
// specialisation of a function template (and a partial one, which functions
// cannot have) is a declaration the unit merely sees in a header.
bool is_instantiation(P_Define* def) {
  return PI_isDefineSpecialisation(def) && !PI_isDefineExplicitSpecialisation(def) &&
         !PI_isDefinePartialSpecialisation(def);
}

using Group_Instantiations = Template_Usage_Generate::Group_Instantiations;

// The instantiations filed under one overload: the display name of the
// first of them and their files in byte order.
struct Overload_Files {
  U_String name;
  Template_Usage_Generate::File_Set files;
};

// Files each instantiation of the group to the overload it specialises
// (see Overload_Match::choose).
std::vector<Overload_Files> files_per_overload(const std::vector<P_Define*>& group,
                                               const Group_Instantiations* found) {
  std::vector<Overload_Files> out(group.size());
  if (found == nullptr) return out;
  std::vector<U_String> names;
  std::vector<int> lines;
  for (P_Define* def : group) {
    names.push_back(Util::qual_name(def));
    lines.push_back(Util::line(def));
  }
  for (const Group_Instantiations::Instance& instance : found->instances) {
    const auto loose = [&](size_t i) {
      return Name_Parse::matches(Util::names(group[i]).pattern(), instance.qual);
    };
    for (size_t i : Overload_Match::choose(names, lines, loose, instance.qual, instance.line)) {
      if (out[i].name.empty()) out[i].name = Util::rendered_name_of(instance.qual);
      out[i].files.insert(instance.files.begin(), instance.files.end());
    }
  }
  return out;
}

// The h4 heading and links of the files, or the bold "no instantiations"
// line naming `templateName`.
void write_instantiation_files(OutputFormat* writer, const U_String& instantiationName,
                               const Template_Usage_Generate::File_Set& files,
                               const U_String& templateName) {
  if (!files.empty()) {
    writer->sub_heading_h4(instantiationName + " Function Template Instantiated In File(s)");
    for (const U_String* file : files) {
      writer->printFileLink(*file);
      writer->new_line();
    }
    return;
  }
  writer->printPlainBoldText("No instantiations of function template " + templateName + ".");
  writer->new_line();
}

// Notes the instantiation `def` for file number `file`, under its group
// and, with `perInstance`, under its own name.
void note_instantiation(P_Define* def, uint32_t file, bool perInstance) {
  Instantiation_Seen& seen = instantiation_seen(PI_getDefineQualName(def));
  // A name already recorded for this file adds nothing.
  if (seen.recordedFor == file) return;
  Instantiation_Names& names = instantiation_names()[seen.names];
  if (names.group == nullptr) {
    // Entries of the record are never removed, so their address stays valid.
    Template_Usage_Generate::Group_Instantiations& group = record_being_filled()[names.key];
    // The group is named after the first instantiation recorded in it.
    if (group.name.empty()) group.name = Util::rendered_name_of(names.qual);
    names.group = &group;
    names.line = PI_getDefineLine(def);
  }
  if (perInstance) names.files.push_back(file);
  if (names.group->lastFileNoted != file) {
    pending_files().emplace_back(names.group, file);
    names.group->lastFileNoted = file;
  }
  seen.recordedFor = file;
}

}  // namespace

bool Template_Usage_Generate::Byte_Less::operator()(const U_String* a, const U_String* b) const {
  return Compare_Bytes(*a, *b) < 0;
}

Template_Usage_Generate::InstantiationRecord& Template_Usage_Generate::instantiationRecord() {
  add_pending_files();
  add_instance_files();
  return record_being_filled();
}

void Template_Usage_Generate::symbolClientFn(P_Symbol* symbol, P_Define* define) {
  if (symbol == nullptr) return;
  // Most symbols have no instantiation among their defines, which the
  // model can tell without a walk over them.
  if (!P_hasSymbolImplicitSpecialisation(symbol)) return;
  const uint32_t file = current_file();
  // A symbol holds the instantiations of every unit read so far.  Per
  // overload, only the define just read counts for the file being read;
  // the files of a whole group come from a walk over all of them.
  if (ReportOptions::getOptions().getIsStructuralMatch() && define != nullptr) {
    if (is_instantiation(define)) note_instantiation(define, file, true);
    return;
  }
  for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
       PI_getDefineIterNext(d)) {
    P_Define* def = PI_getDefineIterData(d);
    if (def != nullptr && is_instantiation(def)) note_instantiation(def, file, false);
  }
}

void Template_Usage_Generate::list_grouped_functions_body(OutputFormat* writer,
                                                          const std::vector<P_Define*>& group,
                                                          const U_String& key,
                                                          const InstantiationRecord& record) {
  if (group.empty()) return;
  const bool structural = ReportOptions::getOptions().getIsStructuralMatch();
  const U_String name = Util::rendered_name(group.front());
  const auto found = record.find(key);
  // With structural matching each overload lists the files of its own
  // instantiations, right after its fragment.
  const std::vector<Overload_Files> perOverload =
      structural ? files_per_overload(group, found == record.end() ? nullptr : &found->second)
                 : std::vector<Overload_Files>();
  writer->sub_heading_h3(name + (group.size() == 1 ? " Function Template"
                                                   : " Overloaded Function Templates"));
  U_String previousFile;
  for (size_t i = 0; i < group.size(); ++i) {
    P_Define* def = group[i];
    const U_String file = Util::file(def);
    // After an overload's own list of files, the next overload's file is
    // named again, so that the link before a fragment always names its file.
    if (i == 0 || file != previousFile || structural) {
      writer->printFileLink(Util::os_file(def));
      writer->new_line();
    }
    previousFile = file;
    writer->textInFrame(
        Util::get_statement(Util::object_name(def), Util::line(def), file, "", structural));
    writer->new_line();
    if (structural)
      write_instantiation_files(writer, perOverload[i].name, perOverload[i].files,
                                Util::rendered_name(def));
  }
  if (structural) return;
  if (found != record.end())
    write_instantiation_files(writer, found->second.name, found->second.files, name);
  else
    write_instantiation_files(writer, U_String(), File_Set(), name);
}

void Template_Usage_Generate::list_function_templates(OutputFormat* writer,
                                                      const FuncSet& functions,
                                                      const InstantiationRecord& record) {
  writer->sectionStart("Template Usage Function Templates");
  writer->line_separator();
  writer->main_heading_h2("Function Template Usage");
  writer->initialiseDividerMarkerCounter();
  if (ReportOptions::getOptions().getIsStructuralMatch()) {
    list_function_groups_by_key(writer, functions, record);
  } else {
    list_function_groups_in_runs(writer, functions, record);
  }
  if (functions.empty()) {
    writer->printPlainBoldText("No function template declarations.");
    writer->new_line();
  }
  writer->sectionEnd();
}

void Template_Usage_Generate::list_function_groups_by_key(OutputFormat* writer,
                                                          const FuncSet& functions,
                                                          const InstantiationRecord& record) {
  // Every overload of a key under one heading, the groups in the order of
  // their first overload.
  std::vector<U_String> order;
  std::unordered_map<U_String, std::vector<P_Define*>> groups;
  for (P_Define* def : functions) {
    const U_String key = overload_key(def);
    std::vector<P_Define*>& group = groups[key];
    if (group.empty()) order.push_back(key);
    group.push_back(def);
  }
  for (const U_String& key : order) list_grouped_functions_body(writer, groups[key], key, record);
}

void Template_Usage_Generate::list_function_groups_in_runs(OutputFormat* writer,
                                                           const FuncSet& functions,
                                                           const InstantiationRecord& record) {
  std::vector<P_Define*> group;
  U_String groupKey;
  for (P_Define* def : functions) {
    const U_String key = overload_key(def);
    if (!groupKey.empty() && key != groupKey) {
      list_grouped_functions_body(writer, group, groupKey, record);
      group.clear();
    }
    group.push_back(def);
    if (!key.empty()) groupKey = key;
  }
  list_grouped_functions_body(writer, group, groupKey, record);
}

void Template_Usage_Generate::generate(OutputFormat* writer) {
  // The model is complete: derive each definition's names once.
  Util::Define_Names_Scope keepNames;
  HanSet primaries;
  HanMap partials, explicits;
  gather_primaries(primaries, partials, explicits);
  HanSet classes;
  FuncSet functions;
  get_class_and_function_primary_template_handles(primaries, classes, functions);
  const Template_Searches searches = make_searches(classes, partials, explicits);
  HanMap instances;
  get_class_instantiations(searches, instances);
  list_class_templates(writer, classes, instances, partials, explicits, searches);
  list_function_templates(writer, functions, instantiationRecord());
}
