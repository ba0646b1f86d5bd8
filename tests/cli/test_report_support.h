#ifndef TESTS_CLI_TEST_REPORT_SUPPORT_H
#define TESTS_CLI_TEST_REPORT_SUPPORT_H

// Building blocks of expected report documents, written from the kxdf
// document format (not from the program's writer), the set-up of a
// fixture project in a sandbox, and checks on the documents a run writes.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TextChecks.h"
#include "report/Xutil.h"

namespace report_expect {

inline std::string escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

inline std::string header() {
  return std::string("<?xml version='1.0' encoding='UTF-8' standalone='yes'?>\n\n") +
         "<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0'\n" +
         " xmlns:kxdf='" + Xutil::KXDF_NAMESPACE_URI + "'\n" +
         " xmlns:svg='http://www.w3.org/2000/svg'\n" +
         " xmlns:v='urn:schemas-microsoft-com:vml' >\n";
}

inline std::string placeholder() {
  return std::string("<?xml version='1.0' encoding='UTF-8'?>\n") +
         "<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0' " +
         "xmlns:kxdf='" + Xutil::KXDF_NAMESPACE_URI + "' />\n";
}

inline std::string end() { return "</kxdf:section>\n"; }
inline std::string eoln() { return "<kxdf:eoln/>\n"; }
inline std::string separator() { return "<kxdf:separator/>\n"; }
inline std::string h2(const std::string& t) { return "<kxdf:h2>" + escape(t) + "</kxdf:h2>\n"; }
inline std::string h3(const std::string& t) { return "<kxdf:h3>" + escape(t) + "</kxdf:h3>\n"; }
inline std::string h4(const std::string& t) { return "<kxdf:h4>" + escape(t) + "</kxdf:h4>\n"; }
inline std::string h5(const std::string& t) { return "<kxdf:h5>" + escape(t) + "</kxdf:h5>\n"; }
inline std::string text(const std::string& t) {
  return "<kxdf:text>" + escape(t) + "</kxdf:text>\n";
}
inline std::string bold(const std::string& t) {
  return "<kxdf:text bold='1'>" + escape(t) + "</kxdf:text>\n";
}
inline std::string frame(const std::string& t) {
  return std::string("<kxdf:table class='box' width='100%' formating='2'>\n") +
         "<kxdf:col_width width='100%'/>\n<kxdf:row>\n<kxdf:cell heading='1' align='left'>\n" +
         "<kxdf:verbatim>" + escape(t) + "</kxdf:verbatim>\n" +
         "</kxdf:cell>\n</kxdf:row>\n</kxdf:table>\n";
}
// The bold lines saying class template `name` has no partial or explicit
// specialisations or no primary instances.
inline std::string noPartials(const std::string& name) {
  return bold("There are no partial class template specializations of template class " + name + ".");
}
inline std::string noExplicits(const std::string& name) {
  return bold("There are no explicit class template specializations of template class " + name + ".");
}
// Both lines of a primary template without specialisations.
inline std::string withoutSpecialisations(const std::string& name) {
  return noPartials(name) + eoln() + noExplicits(name) + eoln();
}
inline std::string noInstances(const std::string& name) {
  return bold("There are no primary class instantiations of template class " + name + ".");
}
// A link to `file`, whose numbered copy is in `outDir`.
inline std::string link(const std::string& file, const std::string& outDir) {
  const std::string base = std::filesystem::path(file).filename().string();
  return "<kxdf:filelink href='" + outDir + "/" + base + ".txt'>" + escape(file) +
         "</kxdf:filelink>\n";
}
inline std::string fileList(const std::vector<std::string>& files) {
  std::string out = "<kxdf:file_list>\n";
  for (const auto& f : files) out += "<kxdf:filename>" + escape(f) + "</kxdf:filename>\n";
  return out + "</kxdf:file_list>\n";
}

// The fixed summary of "Analysis of C++ Templates".
inline std::string analysisSummaryDocument() {
  std::string d = header() + h2("Analysis Summary") + h3("Analysis of C++ Templates");
  d += text("This report lists C++ class and function template definitions.") + eoln() + eoln();
  d += text("Class templates are listed, with relevant code fragment, as:") + eoln();
  d += text("- primary class template definitions,") + eoln();
  d += text("- partial class template definitions,") + eoln();
  d += text("- explicit class template definitions.") + eoln() + eoln();
  d += text("Instantiated members of the above templates are listed.") + eoln();
  d += text("Object instantiations of the above templates are listed.") + eoln() + eoln();
  d += text("Note, by definition a class template cannot be overloaded.  (In the same fashion "
            "that a non-template class cannot be overloaded.)") + eoln();
  d += text("Note, instances of static member definitions are not listed.") + eoln() + eoln();
  d += text("Function template definitions are listed with relevant code fragment.") + eoln();
  d += text("Function template instantiations are not listed, however files containing "
            "instantiations of each instantiated function template are listed.") + eoln() + eoln();
  d += text("Note, by definition a function template can be overloaded.  (In the same fashion "
            "that a non-template function can be overloaded.)");
  return d + end();
}

inline std::string generatorDocument() {
  return header() + h3("Program Details") +
         text("Created by Halcyra template_usage.kxdf.generator version 1.0") + end();
}

inline std::string reportSettingsDocument() {
  return header() + h3("Report Settings") + "<kxdf:verbatim>\n</kxdf:verbatim>\n" + end();
}

// The seven documents, in writing order.
inline const std::vector<std::string>& documentNames() {
  static const std::vector<std::string> names = {
      "template_usage_class_templates.kxdf.xml",
      "template_usage_function_templates.kxdf.xml",
      "template_usage_analysis_of_c++_templates.kxdf.xml",
      "template_usage_list_of_analysed_files.kxdf.xml",
      "template_usage_personality_options.kxdf.xml",
      "template_usage_report_settings.kxdf.xml",
      "template_usage_kxdf_generator_info.kxdf.xml",
  };
  return names;
}

// Copies tests/data/report/<name> into the sandbox's working directory and
// returns the real path of that directory (the prefix of every file name
// the report shows).
inline std::string installFixture(const CliSandbox& box, const std::string& name) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(TUK_TEST_DATA_DIR) / "report" / name, box.workDir(),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  return fs::canonical(box.workDir()).string();
}

// The arguments of a run that writes the Template Usage Report to out/
// from the record files of `words` (options may lead).
inline std::vector<std::string> reportArgs(const std::vector<std::string>& words) {
  std::vector<std::string> all = {"ktlpp", "-op", "out", "-po", "mxo::report_type=Template Usage Report"};
  all.insert(all.end(), words.begin(), words.end());
  return all;
}

// Installs `fixture` in `box` and runs `args` there, expecting success;
// returns the fixture's path.
inline std::string runFixture(CliSandbox& box, const std::string& fixture,
                              const std::vector<std::string>& args) {
  const std::string root = installFixture(box, fixture);
  const CliResult r = box.run(args);
  EXPECT_EQ(r.status, 0) << r.err;
  return root;
}

// `args` with "-po option" put before the other arguments.
inline std::vector<std::string> with(std::vector<std::string> args, const std::string& option) {
  args.insert(args.begin() + 1, {"-po", option});
  return args;
}

// Whether the parts occur in `doc` one after the other; a failure names
// the first part not found after its predecessor.
inline testing::AssertionResult inOrder(const std::string& doc, const std::vector<std::string>& parts) {
  size_t at = 0;
  for (const std::string& part : parts) {
    at = doc.find(part, at);
    if (at == std::string::npos) return testing::AssertionFailure() << "not in order: " << part << "\nin:\n" << doc;
    at += part.size();
  }
  return testing::AssertionSuccess();
}

// Whether `part` occurs in `doc`; a failure shows both.
inline testing::AssertionResult contains(const std::string& doc, const std::string& part) {
  return containsAll(doc, {part});
}

// Names of the documents most checks read.
inline const std::string kClassTemplates = "template_usage_class_templates.kxdf.xml";
inline const std::string kFunctionTemplates = "template_usage_function_templates.kxdf.xml";
inline const std::string kFileList = "template_usage_list_of_analysed_files.kxdf.xml";
inline const std::string kOptions = "template_usage_personality_options.kxdf.xml";

// The document `name` a run wrote to out/.
inline std::string outDoc(const CliSandbox& box, const std::string& name) {
  return box.readFile("out/" + name);
}

// Whether xmllint accepts the file as well-formed XML.
inline bool wellFormed(const std::string& path) {
  const std::string cmd = "xmllint --noout '" + path + "' >/dev/null 2>&1";
  return std::system(cmd.c_str()) == 0;
}

// The document `name` (checked well-formed) of the same run with `args` on
// `fixture` without and with structural matching; the fixture's path in the
// first is replaced by that in the second.
struct ModeDocuments {
  std::string plain, structural, root;
  // The link to src/`file` of the fixture.
  std::string link(const std::string& file) const {
    return report_expect::link(root + "/src/" + file, root + "/out");
  }
};
inline ModeDocuments bothModes(const std::string& fixture, const std::string& name,
                               const std::vector<std::string>& args = {"ktlpp", "-op", "out", "src/main.cpp"}) {
  ModeDocuments d;
  std::string plainRoot;
  for (const bool structural : {false, true}) {
    CliSandbox box;
    const std::vector<std::string> run = structural ? with(args, "mxo::structural_match") : args;
    (structural ? d.root : plainRoot) = runFixture(box, fixture, run);
    EXPECT_TRUE(wellFormed(box.workPath("out/" + name))) << name;
    (structural ? d.structural : d.plain) = box.readFile("out/" + name);
  }
  for (size_t at = d.plain.find(plainRoot); at != std::string::npos;
       at = d.plain.find(plainRoot, at + d.root.size()))
    d.plain.replace(at, plainRoot.size(), d.root);
  return d;
}

}  // namespace report_expect

#endif
