// The function template section: function templates grouped with their
// overloads, and the files in which each was instantiated.
#include <vector>

#include "intl/QL_String.h"
#include "model/P_CurrentSource.h"
#include "report/OutputFormat.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

namespace {

// Overloads of one function template share this key: the name without
// parameter lists and with emptied template argument lists.
U_String overload_key(P_Define* def) {
  return Util::strip(Util::trim_function_arg_list(Util::qual_name(def)));
}

// Orders the instantiation files by byte comparison.
struct Byte_Less {
  bool operator()(const U_String& a, const U_String& b) const { return Compare_Bytes(a, b) < 0; }
};

}  // namespace

Template_Usage_Generate::InstantiationRecord& Template_Usage_Generate::instantiationRecord() {
  static InstantiationRecord record;
  return record;
}

void Template_Usage_Generate::symbolClientFn(P_Symbol* symbol, P_Define*) {
  if (symbol == nullptr) return;
  const U_String current = QL_String::create(WORKAROUND::srcFilename.str(), eceEUC).get();
  for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
       PI_getDefineIterNext(d)) {
    P_Define* def = PI_getDefineIterData(d);
    if (def && PI_isDefineSpecialisation(def))
      instantiationRecord().insert({def, current});
  }
}

void Template_Usage_Generate::list_grouped_functions_body(OutputFormat* writer,
                                                          const std::vector<P_Define*>& group,
                                                          const U_String& key,
                                                          const InstantiationRecord& record) {
  if (group.empty()) return;
  const U_String name = Util::rendered_name(group.front());
  writer->sub_heading_h3(name + (group.size() == 1 ? " Function Template"
                                                   : " Overloaded Function Templates"));
  U_String previousFile;
  for (size_t i = 0; i < group.size(); ++i) {
    P_Define* def = group[i];
    const U_String file = Util::file(def);
    if (i == 0 || file != previousFile) {
      writer->printFileLink(Util::os_file(def));
      writer->new_line();
    }
    previousFile = file;
    writer->textInFrame(
        Util::get_statement(Util::object_name(def), Util::line(def), file, ""));
    writer->new_line();
  }
  std::set<U_String, Byte_Less> files;
  for (const auto& entry : record) {
    if (overload_key(entry.first) != key) continue;
    if (files.empty())
      writer->sub_heading_h4(Util::rendered_name(entry.first) +
                             " Function Template Instantiated In File(s)");
    files.insert(entry.second);
  }
  for (const U_String& file : files) {
    writer->printFileLink(file);
    writer->new_line();
  }
  if (!files.empty()) return;
  writer->printPlainBoldText("No instantiations of function template " + name + ".");
  writer->new_line();
}

void Template_Usage_Generate::list_function_templates(OutputFormat* writer,
                                                      const FuncSet& functions,
                                                      const InstantiationRecord& record) {
  writer->sectionStart("Template Usage Function Templates");
  writer->line_separator();
  writer->main_heading_h2("Function Template Usage");
  writer->initialiseDividerMarkerCounter();
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
  if (functions.empty()) {
    writer->printPlainBoldText("No function template declarations.");
    writer->new_line();
  }
  writer->sectionEnd();
}

void Template_Usage_Generate::generate(OutputFormat* writer) {
  HanSet primaries;
  HanMap partials, explicits;
  for (PI_TemplateIterHan t = PI_getFirstTemplate(); !PI_isTemplateIterEnd(t);
       PI_getTemplateIterNext(t)) {
    P_Template* tmpl = PI_getTemplateIterData(t);
    P_Symbol* symbol = tmpl ? PI_getTemplatePrimaryTemplate(tmpl) : nullptr;
    if (symbol == nullptr) continue;
    for (PI_DefineIterHan d = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(d);
         PI_getDefineIterNext(d)) {
      P_Define* def = PI_getDefineIterData(d);
      if (def == nullptr || !PI_isDefineDefinition(def)) continue;
      primaries.insert(def);
      examine_specializations(tmpl, def, partials, explicits);
    }
  }
  HanSet classes;
  FuncSet functions;
  get_class_and_function_primary_template_handles(primaries, classes, functions);
  HanMap instances;
  get_class_instantiations(classes, partials, explicits, instances);
  list_class_templates(writer, classes, instances, partials, explicits);
  list_function_templates(writer, functions, instantiationRecord());
}
