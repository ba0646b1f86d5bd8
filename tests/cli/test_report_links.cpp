// File links of a project run name the numbered copies beside the
// documents, however the cross-module analysis file was named.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "test_report_support.h"

namespace fs = std::filesystem;
using namespace report_expect;

namespace {

// Makes the fixture's record files name their sources absolutely, so that
// the program may run in any directory.
void anchorRecords(const CliSandbox& box, const std::string& root) {
  for (const auto& entry : fs::directory_iterator(box.workPath("out"))) {
    if (entry.path().extension() != ".met") continue;
    const std::string relative = "out/" + entry.path().filename().string();
    std::string text = box.readFile(relative);
    for (const std::string dir : {"src/", "sysinc/"}) {
      const std::string from = "\"" + dir, to = "\"" + root + "/" + dir;
      for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    }
    box.writeFile(relative, text);
  }
}

std::set<std::string> filesIn(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

// Runs the project in `runDir` with `args`, returns the seven documents and
// removes everything the run wrote into out/.
std::map<std::string, std::string> runProject(CliSandbox& box, const std::string& runDir,
                                              const std::vector<std::string>& args) {
  const std::set<std::string> before = filesIn(box.workPath("out"));
  box.setRunDirectory(runDir);
  const CliResult r = box.run(args);
  EXPECT_EQ(r.status, 0) << r.err;
  std::map<std::string, std::string> documents;
  for (const auto& name : documentNames()) documents[name] = box.readFile("out/" + name);

  // Every link, read as a browser reads it from the document's folder,
  // names an existing copy.
  const std::regex href("href='([^']*)'");
  std::size_t links = 0;
  for (const auto& [name, text] : documents) {
    for (std::sregex_iterator it(text.begin(), text.end(), href), end; it != end; ++it, ++links) {
      const fs::path target = fs::path(box.workPath("out")) / (*it)[1].str();
      EXPECT_TRUE(fs::is_regular_file(target)) << name << " links to " << (*it)[1];
    }
  }
  EXPECT_GT(links, 0u);
  for (const auto& name : filesIn(box.workPath("out")))
    if (!before.count(name)) fs::remove(box.workPath("out/" + name));
  return documents;
}

}  // namespace

TEST(ReportLinks, RelativeBareAndAbsoluteCrossModuleFileGiveTheSameLinkedReport) {
  CliSandbox box;
  const std::string root = installFixture(box, "ex2_headers_cmaf");
  anchorRecords(box, root);
  const std::vector<std::string> sources = {root + "/src/a.cpp", root + "/src/b.cpp",
                                            root + "/src/c.cpp"};
  auto withSources = [&](std::vector<std::string> args) {
    args.insert(args.end(), sources.begin(), sources.end());
    return args;
  };

  const auto relative =
      runProject(box, "", withSources({"ktlpp", "-op", "out", "-cmaf", "out/project.cma"}));
  const auto bare =
      runProject(box, "out", withSources({"ktlpp", "-op", ".", "-cmaf", "project.cma"}));
  const auto absolute = runProject(
      box, "", withSources({"ktlpp", "-op", root + "/out", "-cmaf", root + "/out/project.cma"}));
  for (const auto& name : documentNames()) {
    EXPECT_EQ(bare.at(name), relative.at(name)) << name;
    EXPECT_EQ(absolute.at(name), relative.at(name)) << name;
  }
  // The copies are linked by their real path, like the cross-module file
  // in the list of analysed files.
  EXPECT_NE(relative.at("template_usage_class_templates.kxdf.xml")
                .find("href='" + root + "/out/shapes.h.txt'"),
            std::string::npos);
}
