// Documents stay well-formed and in their declared encoding (UTF-8)
// whatever the input holds: non-ASCII names under a UTF-8 locale, bytes
// that the internal name form uses as markers, control characters and
// invalid bytes in source text, include names and option values.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;

namespace {

const std::string kFFFD = "\xEF\xBF\xBD";

// A project with one class template `name`, defined on lines 1 and 2 of
// src/<file> and instantiated on line 4, and the record file for it.
void writeProject(CliSandbox& box, const std::string& file, const std::string& name,
                  const std::string& secondLine = "") {
  box.writeFile("src/" + file, "template <typename T>\nstruct " + name + " { T v; };" + secondLine +
                                   "\n\n" + name + "<int> w;\n");
  const std::string tmpl = name + "<@ClassTempParam1>";
  const std::string at = " \"src/" + file + "\" ";
  box.writeFile("out/" + file + ".met",
                "<DEFINE> " + tmpl + at + "2 M DC TG F X {s" + tmpl + "} U\n" +
                    "<DEFINE> " + tmpl + at + "2 M DD TG F X {s" + tmpl + "} U\n" +
                    "<DEFINE> w" + at + "4 M DC OV F X {s" + name + "<int>} -\n" +
                    "<DEFINE> w" + at + "4 M DD OV F X {s" + name + "<int>} -\n" +
                    "<DEFINE> " + name + "<int>" + at + "2 M DS TG F X {s" + name + "<int>} -\n");
}

void expectAllWellFormed(const CliSandbox& box) {
  for (const auto& name : documentNames())
    EXPECT_TRUE(wellFormed(box.workPath("out/" + name))) << name << "\n" << box.readFile("out/" + name);
}

}  // namespace

// Under a UTF-8 locale names are converted to UTF-8 like everything else:
// the a-umlaut is a three-byte character in the internal encoding whose
// first byte is a marker byte; half-width katakana have 0x8E lead bytes
// there.  No name is lost or changed.
TEST(ReportEncodings, NamesAreWrittenInUtf8UnderAUtf8Locale) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xC3\xBC.cpp", "B\xC3\xA4x"},                   // u-umlaut, a-umlaut
      {"k.cpp", "K\xEF\xBD\xB1\xEF\xBD\xB2"}};  // K followed by two half-width katakana
  for (const auto& [file, name] : cases) {
    CliSandbox box;
    box.setEnv("LANG", "C.UTF-8");
    writeProject(box, file, name);
    CliResult r = box.run(reportArgs({"-d", "X=" + name, "src/" + file}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(outDoc(box, kOptions), "X=" + name + "\n"));
    EXPECT_TRUE(contains(outDoc(box, kFileList), "/src/" + file + " (CMA file)</kxdf:filename>"));
    const std::string classes = outDoc(box, kClassTemplates);
    EXPECT_TRUE(contains(classes, h3(name + " Primary Class Template")));
    EXPECT_TRUE(contains(classes, h4(name + " Primary Class Instantiation")));
    EXPECT_TRUE(contains(classes, "  4: " + name + "&lt;int&gt; w;"));
    expectAllWellFormed(box);
  }
}

// A file name holding a marker byte (EUC-JP bytes under the C locale) is
// opened as it is and shown with the bytes UTF-8 cannot hold replaced.
TEST(ReportEncodings, FileNamesWithMarkerBytesAreOpenedAsTheyAre) {
  CliSandbox box;
  const std::string file = "k\x8E\xB1.cpp";
  writeProject(box, file, "Box");
  CliResult r = box.run(reportArgs({"src/" + file}));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string classes = outDoc(box, kClassTemplates);
  EXPECT_TRUE(contains(classes, "/src/k" + kFFFD + kFFFD + ".cpp</kxdf:filelink>"));
  EXPECT_TRUE(contains(classes, "struct Box { T v; };"));
  EXPECT_TRUE(box.exists("out/" + file + ".txt"));
  expectAllWellFormed(box);
}

// A form feed and a Latin-1 byte in a quoted source line, a control
// character in an included file's name and in a -d value.
TEST(ReportEncodings, ControlCharactersAndInvalidBytesAreReplaced) {
  CliSandbox box;
  writeProject(box, "f.cpp", "Box", " \f// caf\xE9");
  const std::string header = "odd\x01name.h";
  box.writeFile("src/" + header, "\n");
  box.writeFile("out/f.cpp.met", "<R>I \"src/f.cpp\" \"src/" + header + "\" 1 -\n" +
                                     box.readFile("out/f.cpp.met"));
  CliResult r = box.run(reportArgs({"-d", "X=\x02y", "src/f.cpp"}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(contains(outDoc(box, kClassTemplates), "struct Box { T v; }; " + kFFFD + "// caf" + kFFFD + "\n"));
  EXPECT_TRUE(contains(outDoc(box, kFileList), "/src/odd" + kFFFD + "name.h</kxdf:filename>"));
  EXPECT_TRUE(contains(outDoc(box, kOptions), "X=" + kFFFD + "y"));
  expectAllWellFormed(box);
}

namespace {

std::string be32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  return std::string{char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
}

}  // namespace

// Crafted deep input ends the run normally, never on a stack overflow: an
// error file of the older format with a long run of file changes, read
// under "always_read_errors".  (Long include chains are covered by the
// location tests: a run deep enough to matter takes a minute.)
TEST(ReportDeepInput, LongFileChangeRunsDoNotExhaustTheStack) {
  CliSandbox box;
  writeProject(box, "d.cpp", "Box");
  std::string err = be32(0x7900) + be32(0);
  for (int i = 0; i < 70000; ++i) err += be32(1) + be32(10) + "src/d.cpp\n";
  err += be32(1) + be32(9) + "src/d.cpp" + be32(3) + be32(2) + be32(-1) + be32(0) + be32(1540) +
         be32(0) + be32(0) + be32(0) + be32(0);
  box.writeFile("out/d.cpp.err", err);
  CliResult r = box.run({"ktlpp", "-op", "out", "-debug", "always_read_errors", "src/d.cpp"});
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.status, 0) << r.err.substr(0, 2000);
  expectAllWellFormed(box);
}
