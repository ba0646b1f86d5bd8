// The report of a project run: three units with a cross-module analysis
// file, a class template defined in two units, explicit specialisations and
// instances spread over files, a suppressed header and report options among
// the analysis options.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;

namespace {

const std::vector<std::string> kArgs = {
    "ktlpp", "-op", "out", "-cmaf", "out/project.cma", "-quiet", "src/log.h",
    "-po", "mxo::report_type=Template Usage Report", "-po", "chk::naming=strict",
    "-po", "mxo::extra=1", "-po",
    "chk::paths=\"/work/projects/geometry/include,/work/projects/geometry/src/detail\"",
    "src/a.cpp", "src/b.cpp", "src/c.cpp"};

// With a cross-module analysis file the report goes to that file's
// directory, by its real path, so the copies are linked absolutely.
std::string classDocument(const std::string& root) {
  const std::string out = root + "/out", a = root + "/src/a.cpp", b = root + "/src/b.cpp",
                    c = root + "/src/c.cpp", shapes = root + "/src/geo/shapes.h",
                    store = root + "/src/geo/detail/store.h";
  std::string d = header() + h2("Class Template Usage");
  // One heading for the template defined in two units, then one set of lists.
  d += h3("Tally Primary Class Template");
  d += link(a, out) + eoln() + frame(" 4: template <typename T>\n 5: struct Tally {\n") + eoln();
  d += link(c, out) + eoln() + frame(" 3: template <typename T>\n 4: struct Tally {\n") + eoln();
  d += withoutSpecialisations("Tally");
  d += h4("Tally Primary Class Instantiation") + link(a, out) + eoln() + frame("  18:     Tally<int> ta;\n") + eoln();
  d += h4("Tally Primary Class Instantiation") + link(c, out) + eoln() + frame("  10:     Tally<double> tc;\n") + eoln();

  d += h3("geo::Vec Primary Class Template") + link(shapes, out) + eoln();
  d += frame(" 9: template <typename T>\n10: struct Vec {\n") + eoln();
  // Vec<int>::dot and Vec<double>::dot share their line: one fragment.
  d += h4("geo::Vec Class Template Member(s) That Are Instantiated") + link(shapes, out) + eoln();
  d += frame("  12:     T dot(const Vec& o) const { return x * o.x + y * o.y; }\n") + eoln();
  d += noPartials("geo::Vec") + eoln();
  d += h4("geo::Vec Explicit Class Template Specialization") + link(a, out) + eoln();
  d += frame("  10: template <>\n  11: struct Vec<bool> {\n") + eoln();
  d += bold("No members of explicit class specialization geo::Vec are instantiated.") + eoln();
  d += h4("geo::Vec Explicit Class Template Specialization") + link(b, out) + eoln();
  d += frame("   4: template <>\n   5: struct Vec<char> {\n") + eoln();
  d += bold("No members of explicit class specialization geo::Vec are instantiated.") + eoln();
  // A variable of an explicit specialisation counts as an instance.
  d += h4("geo::Vec Primary Class Instantiations") + link(a, out) + eoln();
  d += frame("  21:     geo::Vec<int> vi = { 1, 2 };\n") + eoln();
  d += frame("  22:     geo::Vec<bool> vb;\n") + eoln();
  d += h4("geo::Vec Primary Class Instantiation") + link(b, out) + eoln();
  d += frame("  14:     geo::Vec<char> vc;\n") + eoln();
  d += h4("geo::Vec Primary Class Instantiation") + link(c, out) + eoln();
  d += frame("  13:     geo::Vec<double> v = { 1.0, 2.0 };\n") + eoln();

  d += h3("geo::detail::Store Primary Class Template") + link(store, out) + eoln();
  d += frame(" 7: template <typename T, typename Alloc>\n 8: class Store {\n") + eoln();
  d += withoutSpecialisations("geo::detail::Store");
  d += noInstances("geo::detail::Store") + eoln();
  return d + end();
}

std::string functionDocument(const std::string& root) {
  const std::string out = root + "/out", shapes = root + "/src/geo/shapes.h";
  std::string d = header() + separator() + h2("Function Template Usage");
  d += h3("geo::area Function Template") + link(shapes, out) + eoln();
  d += frame("25: template <typename S>\n26: double area(const S& s)\n") + eoln();
  // Instantiated in all three units, twice in b.cpp: each file once.
  d += h4("geo::area Function Template Instantiated In File(s)");
  for (const char* unit : {"a", "b", "c"})
    d += link(root + "/src/" + unit + ".cpp", out) + eoln();
  return d + end();
}

}  // namespace

TEST(ReportProject, TemplateSectionsGroupByFileAndAppendixListsFilesAndOptions) {
  CliSandbox box;
  const std::string root = runFixture(box, "ex2_headers_cmaf", kArgs);
  EXPECT_EQ(outDoc(box, kClassTemplates), classDocument(root));
  EXPECT_EQ(outDoc(box, kFunctionTemplates), functionDocument(root));
  for (const auto& name : documentNames()) EXPECT_TRUE(wellFormed(box.workPath("out/" + name)));

  // Units and included files once each in byte order, the suppressed
  // header left out, the cross-module analysis file last.
  EXPECT_EQ(outDoc(box, kFileList),
            header() + h3("List of Analysed Files") +
                fileList({root + "/src/a.cpp", root + "/src/b.cpp", root + "/src/c.cpp",
                          root + "/src/geo/detail/store.h", root + "/src/geo/shapes.h",
                          root + "/sysinc/cstddef", root + "/out/project.cma (CMA file)"}) + end());
  const std::string options = outDoc(box, kOptions);
  // The report option listed first stays with the option name; the later
  // one is dropped; the quoted value keeps its comma and is wrapped at 66.
  const std::string indent(24, ' ');
  EXPECT_TRUE(contains(options, "\n-prodoption              mxo::report_type=Template Usage Report,\n" +
                         indent + " chk::naming=strict,\n" + indent +
                         " chk::paths=/work/projects/geometry/\n" + indent +
                         " include,/work/projects/geometry/src/\n" + indent + " detail,\n" +
                         indent + " \n"));
  EXPECT_TRUE(containsNone(options, {"mxo::extra"}));
  EXPECT_TRUE(contains(options, "\n-quiet                   " + root + "/src/log.h\n"));
  EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"), reportSettingsDocument());
  // The report is written beside the cross-module analysis file.
  EXPECT_TRUE(box.exists("out/shapes.h.txt"));
  EXPECT_TRUE(box.exists("out/store.h.txt"));
  EXPECT_FALSE(box.exists("out/log.h.txt"));
}
