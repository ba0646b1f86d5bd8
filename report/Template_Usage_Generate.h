#ifndef REPORT_TEMPLATE_USAGE_GENERATE_H
#define REPORT_TEMPLATE_USAGE_GENERATE_H

#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/PI_Interface.h"
#include "model/P_Pool.h"
#include "report/Pattern_Index.h"
#include "report/Template_Usage_Orderings.h"
#include "util/U_String.h"

class OutputFormat;

// The two template sections of the report: class templates with their
// partial and explicit specialisations, instances and instantiated members,
// and function templates with the files that instantiate them.
class Template_Usage_Generate {
 public:
  // 0 explicit specialisation, 1 partial specialisation, 2 primary template.
  typedef int Member_Type;

  typedef std::set<P_Define*, Compare_Less_Define_Han> HanSet;
  typedef std::set<P_Define*, Compare_Less_Define_Han_Func> FuncSet;
  typedef std::set<P_Define*, Compare_Less_Define_Han_Func_2> GroupSet;
  typedef std::map<P_Define*, P_Define*, Compare_Less_Define_Han_Func_2> HanMap;
  // Per overload group key (the name without parameter lists and with
  // emptied template argument lists): the display name of the first
  // instantiation recorded and the files in which instantiations were seen,
  // in byte order.  Texts, not handles: the model may merge a recorded
  // definition into a later one and free it.  The file texts are kept once
  // for the run (one per file read), and the sets point at them; their
  // nodes come from the model's pools, as a group gathers up to one per
  // unit of the code base.
  struct Byte_Less {
    bool operator()(const U_String* a, const U_String* b) const;
  };
  using File_Set = std::set<const U_String*, Byte_Less, P_PoolAllocator<const U_String*>>;
  struct Group_Instantiations {
    U_String name;
    File_Set files;
    // The number of the file last noted for this group while reading
    // (several instantiations of a group usually come from one file).
    uint32_t lastFileNoted = UINT32_MAX;
    // With structural matching: every instantiation of the group by its
    // qualified name, with the line of the template it was made from and
    // the files that made it, in the order first seen.
    struct Instance {
      U_String qual;
      int line = 0;
      File_Set files;
    };
    std::vector<Instance> instances;
  };
  typedef std::map<U_String, Group_Instantiations> InstantiationRecord;

  // Symbol client for new symbols and project redeclarations: records each
  // implicit specialisation of the symbol with the file being read.
  static void symbolClientFn(P_Symbol* symbol, P_Define* define);
  // The record filled by symbolClientFn (process-wide), complete up to the
  // file being read.  Its entries must never be erased: the symbol client
  // keeps their addresses.
  static InstantiationRecord& instantiationRecord();

  // Writes "Template Usage Class Templates" and "Template Usage Function
  // Templates".
  static void generate(OutputFormat* writer);

  // Names of the member types.
  static U_String template_name_singular(Member_Type type);
  static U_String template_name_plural(Member_Type type);
  static U_String template_name_computed(Member_Type type, size_t count);

  // Name patterns: template parameter placeholders become "%".
  static U_String normalise_term(const U_String& s);
  static U_String norm(const U_String& s);
  static bool match_template_parameters(const U_String& a, const U_String& b);

  // The entries of a gathered container in its order, with the name
  // pattern of each entry's key (or value) indexed for the searches.
  struct Indexed {
    std::vector<std::pair<P_Define*, P_Define*>> entries;
    Pattern_Index patterns;
    // The first entry whose pattern matches n, or null.
    const std::pair<P_Define*, P_Define*>* first(const U_String& n) const;
  };
  static Indexed index_by_key(const HanMap& map);    // value: the entry's value
  static Indexed index_by_key(const HanSet& set);    // value: the definition
  static Indexed index_by_value(const HanMap& map);  // value: the entry's value
  // The class a class name is an instance of: the explicit or the most
  // specialised partial specialisation (type 0 or 1, `specialisation` set) or the
  // primary (type 2, `specialisation` null); `primary` null when none is found.
  struct Owner {
    Member_Type type = 2;
    P_Define* specialisation = nullptr;
    P_Define* primary = nullptr;
  };
  // What the instance and member searches look in: explicit and partial
  // specialisations and primary class templates, each mapped to its primary.
  struct Template_Searches {
    Indexed explicits, partials, classes;
    std::unordered_map<U_String, P_Define*> explicitByName;  // first by exact name
    // Structural matching: explicit specialisations by canonical name, and
    // partial specialisations with their primaries, positions bucketed by
    // the canonical name's text outside all lists.
    bool structural = false;
    std::unordered_map<U_String, std::pair<P_Define*, P_Define*>> explicitByCanonical;
    std::vector<std::pair<P_Define*, P_Define*>> partialList;
    std::unordered_map<U_String, std::vector<size_t>> partialsBySkeleton;
    // Implicit specialisations by canonical name: the position in partialList
    // of the partial specialisation the analyser says each one was
    // instantiated from, or npos for the primary.  Exact where deduction can
    // only guess (an enable_if argument reads "void" whatever it held).
    std::unordered_map<U_String, size_t> instantiatedFrom;
    // Owners already chosen, by class name: the members of one instance
    // share their scope.
    mutable std::unordered_map<U_String, Owner> ownerCache;
  };
  static Template_Searches make_searches(const HanSet& classes, const HanMap& partials,
                                         const HanMap& explicits);
  // Structural matching: fills instantiatedFrom from the templates of the model.
  static void add_instantiation_sources(Template_Searches& out);
  // Fills the structural parts of the searches.
  static void add_structural_searches(Template_Searches& out, const HanMap& partials,
                                      const HanMap& explicits);
  // Structural matching: the owner chosen for a class name, remembered in
  // the searches (choose_owner) or worked out (find_owner).
  static Owner choose_owner(const Template_Searches& searches, const U_String& className);
  static Owner find_owner(const Template_Searches& searches, const U_String& className);
  // Structural matching: members or instances grouped by the
  // specialisation owning them (by_owner, from a map to the owner), and
  // those owned by the specialisations of `group` written after the
  // group's fragments (list_owned).
  typedef std::map<P_Define*, GroupSet, Compare_Less_Define_Han_Func_2> OwnedMap;
  static OwnedMap by_owner(const HanMap& map);
  static void list_owned(OutputFormat* writer, Member_Type type, const GroupSet& group,
                         const OwnedMap& members, const OwnedMap& instances);

  // Gathering.
  // Every template's definitions into primaries, with their partial and
  // explicit specialisations.  With structural matching, a class template
  // that is only declared is represented by its first declaration when it
  // has specialisations (add_declared_only), so that they are listed.
  static void gather_primaries(HanSet& primaries, HanMap& partials, HanMap& explicits);
  // Structural matching: the stand-ins for templates without records whose
  // specialisations lie in the analysed files, listed as add_declared_only does.
  static void add_unrecorded(HanSet& primaries, HanMap& partials, HanMap& explicits);
  static void add_declared_only(P_Template* tmpl, P_Define* declaration, HanSet& primaries,
                                HanMap& partials, HanMap& explicits);
  static void examine_specializations(P_Template* tmpl, P_Define* primary,
                                      HanMap& partials, HanMap& explicits);
  static void examine_symbol(P_Symbol* symbol, P_Define* primary, HanMap& map);
  static void get_class_and_function_primary_template_handles(const HanSet& primaries,
                                                              HanSet& classes,
                                                              FuncSet& functions);
  static void get_class_instantiations(const Template_Searches& searches, HanMap& instances);
  static void get_primary_templates_members(const Template_Searches& searches,
                                            HanMap& primaryMembers, HanMap& partialMembers,
                                            HanMap& explicitMembers);
  // Structural matching: the defined member function templates of explicit
  // specialisations.  Members of an explicit specialisation are listed when
  // defined, and a member template's definition is recorded as a template
  // of its own, outside the symbols the member search walks.
  static void add_explicit_member_templates(const Template_Searches& searches,
                                            HanMap& explicitMembers);

  // Writing.
  static void list_class_templates(OutputFormat* writer, const HanSet& classes,
                                   const HanMap& instances, const HanMap& partials,
                                   const HanMap& explicits, const Template_Searches& searches);
  static void list_members(OutputFormat* writer, Member_Type type, P_Define* p,
                           const Indexed& members);
  // With `owned` (structural matching), each group's members and instances
  // are those its specialisations own (list_owned).
  static void list_template_specializations_or_instantiations(
      OutputFormat* writer, Member_Type type, const Indexed& entries, const Indexed& members,
      P_Define* p, const std::pair<OwnedMap, OwnedMap>* owned = nullptr);
  static void list_han_instance_set(OutputFormat* writer, const GroupSet& set);
  static void list_function_templates(OutputFormat* writer, const FuncSet& functions,
                                      const InstantiationRecord& record);
  // The overload groups in runs of equal keys in the set's order (a key
  // whose overloads are not adjacent gets a heading per run).
  static void list_function_groups_in_runs(OutputFormat* writer, const FuncSet& functions,
                                           const InstantiationRecord& record);
  // Every key's overloads under one heading (structural matching).
  static void list_function_groups_by_key(OutputFormat* writer, const FuncSet& functions,
                                          const InstantiationRecord& record);
  static void list_grouped_functions_body(OutputFormat* writer,
                                          const std::vector<P_Define*>& group,
                                          const U_String& key,
                                          const InstantiationRecord& record);
};

#endif
