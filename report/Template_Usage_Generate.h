#ifndef REPORT_TEMPLATE_USAGE_GENERATE_H
#define REPORT_TEMPLATE_USAGE_GENERATE_H

#include <map>
#include <set>
#include <vector>

#include "model/PI_Interface.h"
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
  // Function-template specialisation -> file being read when it was seen.
  // Keyed by handle: only the set of files per key reaches the report.
  typedef std::multimap<P_Define*, U_String> InstantiationRecord;

  // Symbol client for new symbols and project redeclarations: records each
  // specialisation of the symbol with the file being read.
  static void symbolClientFn(P_Symbol* symbol, P_Define* define);
  // The record filled by symbolClientFn (process-wide).
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

  // Searches by name pattern, first match in container order.
  static P_Define* norm_search(const HanMap& map, const U_String& n);
  static P_Define* norm_search(const HanSet& set, const U_String& n);
  static P_Define* norm_search_partial_member(const HanMap& map, const U_String& n);
  static P_Define* search_explicit_member(const HanMap& map, const U_String& name);

  // Gathering.
  static void examine_specializations(P_Template* tmpl, P_Define* primary,
                                      HanMap& partials, HanMap& explicits);
  static void examine_symbol(P_Symbol* symbol, P_Define* primary, HanMap& map);
  static void get_class_and_function_primary_template_handles(const HanSet& primaries,
                                                              HanSet& classes,
                                                              FuncSet& functions);
  static void get_class_instantiations(const HanSet& classes, const HanMap& partials,
                                       const HanMap& explicits, HanMap& instances);
  static void get_primary_templates_members(const HanSet& classes, const HanMap& partials,
                                            const HanMap& explicits, HanMap& primaryMembers,
                                            HanMap& partialMembers, HanMap& explicitMembers);

  // Writing.
  static void list_class_templates(OutputFormat* writer, const HanSet& classes,
                                   const HanMap& instances, const HanMap& partials,
                                   const HanMap& explicits);
  static void list_members(OutputFormat* writer, Member_Type type, P_Define* p,
                           const HanMap& members);
  static void list_template_specializations_or_instantiations(OutputFormat* writer,
                                                              Member_Type type,
                                                              const HanMap& entries,
                                                              const HanMap& members,
                                                              P_Define* p);
  static void list_han_instance_set(OutputFormat* writer, const GroupSet& set);
  static void list_function_templates(OutputFormat* writer, const FuncSet& functions,
                                      const InstantiationRecord& record);
  static void list_grouped_functions_body(OutputFormat* writer,
                                          const std::vector<P_Define*>& group,
                                          const U_String& key,
                                          const InstantiationRecord& record);
};

#endif
