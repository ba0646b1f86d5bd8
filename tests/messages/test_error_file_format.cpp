#include <gtest/gtest.h>

#include "MessagesTestSupport.h"
#include "TextChecks.h"
#include "config/C_Options.h"

#include "messages/M_ErrFilename.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_InputTessel.h"
#include "messages/M_OutputTessel.h"

using namespace messages_test;

namespace {

U_BPtr<M_InputTessel> readFile(const std::string& name) {
  U_BPtr<M_InputTessel> input(new M_InputTessel());
  input->openFile(name);
  return input;
}

// Makes diagnostic representations show their include, instantiation and
// call context, for as long as it lives.
struct ShowContext {
  ShowContext() {
    setGlobalOptions([](C_Options& o) {
      C_getArgDebug(o) = std::vector<U_String>{"showInclLoc", "showInstLoc", "showCallLoc"};
    });
  }
  ~ShowContext() { resetGlobalOptions(); }
};

// A location with every kind of context.
U_Location richLocation() {
  U_BPtr<U_MacroHistory> macros(new U_MacroHistory());
  macros->expansions.push_back({"INNER", U_Filename::getString("/src/m.h"), 4, 2});
  macros->expansions.push_back({"OUTER", U_Filename::getString("/src/main.cpp"), 9, 1});
  U_Location l(U_Filename::getString("/src/a.h"), 12, 5, macros, loc("/src/main.cpp", 3, 0));
  l = l.addHashLine(U_Filename::getString("/gen/a.y"), 120);
  l = l.instantiateLocation(loc("/src/main.cpp", 20, 3), "int, char");
  return l.addCalledFromLocation(loc("/src/main.cpp", 30, 7));
}

// A diagnostic holding every parameter kind, sub-messages included.
U_BPtr<M_Diagnostic> richDiagnostic() {
  U_BPtr<M_Diagnostic> d = diag(4711, richLocation());
  d->setError(true);
  d->setUserHidden(true);
  d->addParameter(U_String("text"));
  d->addParameter(U_String("lib::Box<int>::size"), false);
  d->addParameter(std::vector<U_String>{"a", "", "c"});
  U_BPtr<M_Diagnostic> sub1 = diag(1705, loc("/src/main.cpp", 3, 0));
  sub1->setHidden(true);
  U_BPtr<M_Diagnostic> sub2 = diag(1701, loc("/src/main.cpp", 20, 3));
  sub2->addParameter(U_String("int"));
  d->addParameter(M_DiagnosticMsgList{sub1, sub2});
  return d;
}

}  // namespace

TEST(ErrorFileFormat, ErrFilenameJoinsTheSourceNameToTheDirectory) {
  EXPECT_EQ(M_formErrFilename("/out", "src/main.c"), "/out/main.c.err");
  EXPECT_EQ(M_formErrFilename("/out/", "/abs/dir/x.cpp"), "/out/x.cpp.err");
}

TEST(ErrorFileFormat, EveryParameterKindAndLocationContextRoundTrips) {
  TempDir dir;
  std::string name = dir.file("rich.err");
  writeErr(name, [](auto& out) { out.error(richDiagnostic(), true); });
  ShowContext context;
  auto input = readFile(name);
  ASSERT_EQ(input->diagnostics().size(), 1u);
  const M_Diagnostic& d = *input->diagnostics()[0];
  // The suppressed state comes back as the hidden flag, an entity as its
  // display name, nested messages not hidden.
  EXPECT_EQ(d.getRepresentation(),
            "/src/a.h:12:5: Msg=4711 #params=4 {text, size, [a, , c], [/src/main.cpp:3: Msg=1705 #params=0; "
            "/src/main.cpp:20:3: Msg=1701 #params=1 {int}]} hidden by pragma hidden by user incl /src/main.cpp:3 "
            "inst /src/main.cpp:20:3 <int, char> call /src/main.cpp:30:7");
  EXPECT_TRUE(d.isError());
  EXPECT_NE(dynamic_cast<const M_ParamStringType*>(d.parameter(1).pointer()), nullptr);
  EXPECT_NE(dynamic_cast<const M_ParamListType*>(d.parameter(2).pointer()), nullptr);
  const U_Location& l = d.getLocation();
  ASSERT_TRUE(l.isFromMacro());
  ASSERT_EQ(l.getMacroHistory()->expansions.size(), 2u);
  EXPECT_EQ(l.getMacroHistory()->expansions[1].macroName, "OUTER");
  EXPECT_EQ(l.getMacroHistory()->expansions[0].file.str(), "/src/m.h");
  EXPECT_EQ(l.getHashLineFilename().str() + ":" + std::to_string(l.getHashLineLine()), "/gen/a.y:120");
}

TEST(ErrorFileFormat, RepeatedLocationsAreBareIdsAndSessionStartsForgetIds) {
  TempDir dir;
  std::string name = dir.file("ids.err");
  writeErr(name, [](auto& out) {
    out.error(diag(1, loc("/src/first.cpp", 5, 1)), false);
    out.error(diag(2, loc("/src/first.cpp", 5, 1)), false);  // equal location, other object
  });
  EXPECT_EQ(occurrences(readBytes(name), "first.cpp"), 1u) << "the second use must be a bare id";
  {
    // A second writer numbers its locations from 0 again.
    M_OutputTessel2 out;
    out.append_errfile(name);
    out.error(diag(3, loc("/src/second.cpp", 8, 2)), false);
    out.close();
  }
  auto input = readFile(name);
  ASSERT_EQ(input->diagnostics().size(), 3u);
  EXPECT_EQ(input->diagnostics()[1]->getRepresentation(), "/src/first.cpp:5:1: Msg=2 #params=0");
  EXPECT_EQ(input->diagnostics()[2]->getRepresentation(), "/src/second.cpp:8:2: Msg=3 #params=0");
}

TEST(ErrorFileFormat, SuppressionRecordsRoundTrip) {
  TempDir dir;
  std::string name = dir.file("supp.err");
  U_BPtr<M_SuppressionRecord> rec(new M_SuppressionRecord());
  rec->kind = 2;
  rec->tagLocation = loc("/src/main.cpp", 4, 1);
  rec->tag = "#pragma quiet";
  rec->messages = {{"100", "200"}, {"7", "7"}};
  rec->startLocation = loc("/src/main.cpp", 5, 1);
  rec->hasEnd = true;
  rec->endLocation = loc("/src/main.cpp", 9, 1);
  writeErr(name, [&rec](auto& out) { out.suppressionRecord(rec); });
  auto input = readFile(name);
  ASSERT_EQ(input->suppressionRecords().size(), 1u);
  const M_SuppressionRecord& r = *input->suppressionRecords()[0];
  EXPECT_EQ(r.kind, 2);
  EXPECT_EQ(r.tag, "#pragma quiet");
  EXPECT_EQ(r.messages, rec->messages);
  EXPECT_EQ(r.extra, 4);
  // The end comes back: line 9 is covered, line 10 is not.
  EXPECT_TRUE(r.suppresses(150, loc("/src/main.cpp", 9, 3)));
  EXPECT_TRUE(r.suppresses(7, loc("/src/main.cpp", 5, 3)));
  EXPECT_FALSE(r.suppresses(8, loc("/src/main.cpp", 6, 1)));
  EXPECT_FALSE(r.suppresses(150, loc("/src/main.cpp", 10, 1)));
  EXPECT_FALSE(r.suppresses(150, loc("/src/other.cpp", 6, 1)));
}

TEST(ErrorFileFormat, OlderFormatKeepsFileChangesIncludesAndStringParameters) {
  TempDir dir;
  std::string name = dir.file("old.err");
  U_Location inHeader(U_Filename::getString("/src/a.h"), 12, 4, U_BPtr<U_MacroHistory>(),
                      loc("/src/main.cpp", 3, 0));
  writeErr<M_OutputTessel>(name, [&inHeader](auto& out) {
    U_BPtr<M_Diagnostic> d = diag(10, inHeader);
    d->addParameter(std::vector<U_String>{"x", "y"});
    out.error(d, true);
    out.error(diag(11, loc("/src/main.cpp", 7, 1)), false);
    out.error(diag(12, inHeader), false);
  });
  std::string bytes = readBytes(name);
  EXPECT_EQ(bytes.substr(0, 8), be32(0x7900) + be32(0));
  EXPECT_EQ(occurrences(bytes, "/src/a.h"), 2u) << "a file change before each switch of file";
  ShowContext context;
  U_BPtr<M_InputTessel> input(new M_InputTessel());
  input->setMainSourceFile(U_Filename::getString("/src/main.cpp"));
  input->openFile(name);
  ASSERT_EQ(input->diagnostics().size(), 3u);
  EXPECT_EQ(input->diagnostics()[0]->getRepresentation(),
            "/src/a.h:12:4: Msg=10 #params=1 {[x, y]} hidden by pragma incl /src/main.cpp:3");
  EXPECT_TRUE(input->diagnostics()[0]->isSuppressed());
  EXPECT_NE(dynamic_cast<const M_ParamStringType*>(input->diagnostics()[0]->parameter(0).pointer()), nullptr);
  EXPECT_EQ(input->diagnostics()[1]->getRepresentation(), "/src/main.cpp:7:1: Msg=11 #params=0");

  // A closing integer other than 0 announces list parameters.
  writeBytes(name, be32(0x7900) + be32(0) + be32(1) + be32(4) + "/x.c" + be32(3) + be32(1) + be32(-1) +
                       be32(0) + be32(5) + be32(0) + be32(0) + be32(0) + be32(1));
  EXPECT_THROW(readFile(name), M_HasListParameterException);
}

TEST(ErrorFileFormat, BadContentsGiveTheirExceptions) {
  TempDir dir;
  const auto read = [&dir](const std::string& bytes) { return readFile(dir.write("bad.err", bytes)); };
  const std::string header = be32(0x9300) + be32(0);
  EXPECT_TRUE(read(header)->diagnostics().empty());
  EXPECT_THROW(read(header + "\x03"), M_BadInfoTypeException);

  testing::internal::CaptureStderr();
  try {
    read(be32(0x1234) + be32(0));
    ADD_FAILURE() << "unknown id accepted";
  } catch (const M_BadErrorFileVersion& e) {
    EXPECT_STREQ(e.what(), "Error file has incorrect version: 1234. Expected: 9300\n");
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unknown error file format: id=1234\n");

  // A length of 2^31-1 is a truncated file, not an allocation.
  testing::internal::CaptureStderr();
  EXPECT_THROW(read(header + "\x01" + be32(0x7fffffff)), R_ReadingReadException);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(containsAll(err, {"caught a R_ReadingException in getNextMessage()."}));

  // Diagnostic: location 0 = file 0 "" "x.c", line 1, col 1, no flags;
  // message 5, flags 0, error 0, then the parameter count.
  const std::string diagHead = std::string("\x02") + be32(0) + be32(0) + be32(0) + be32(3) + "x.c" + be32(1) +
                               be32(1) + std::string(1, '\0') + be32(5) + be32(0) + be32(0);
  EXPECT_THROW(read(header + diagHead + be32(-1)), M_BadIntReadException);
  EXPECT_THROW(read(header + diagHead + be32(1) + "\x01" + be32(-5)), M_BadTextReadException);
  auto input = read(header + diagHead + be32(2) + "\x09" + "\x01" + be32(1) + "p");  // an unknown kind adds nothing
  ASSERT_EQ(input->diagnostics().size(), 1u);
  EXPECT_EQ(input->diagnostics()[0]->getRepresentation(), "x.c:1:1: Msg=5 #params=1 {p}");
  EXPECT_THROW(readFile(dir.file("missing.err")), M_BadFileOpenException);
}

// Random corruption is left to the error-file reader's fuzzer.
TEST(ErrorFileFormat, TruncatedFilesFailWithAnExceptionNeverACrash) {
  TempDir dir;
  std::string good = dir.file("good.err");
  writeErr(good, [](auto& out) {
    out.error(richDiagnostic(), false);
    out.error(diag(2, loc("/src/main.cpp", 1, 1)), true);
  });
  std::string bytes = readBytes(good);
  std::string cut = dir.file("cut.err");
  int failures = 0;
  for (size_t len = 0; len < bytes.size(); ++len) {
    writeBytes(cut, bytes.substr(0, len));
    testing::internal::CaptureStderr();
    try {
      readFile(cut);
    } catch (const U_UserException&) {
      ++failures;
    }
    testing::internal::GetCapturedStderr();
  }
  // Only the cuts at the ends of the three records read cleanly.
  EXPECT_EQ(failures, static_cast<int>(bytes.size()) - 3);
}

// Crafted input: a long run of file changes in the older format is read
// without exhausting the stack; the last one names the file of the message.
TEST(ErrorFileFormat, LongRunOfOlderFileChangesIsReadInALoop) {
  TempDir dir;
  const std::string name = dir.file("deep.err");
  std::string bytes = be32(0x7900) + be32(0);
  const std::string change = be32(1) + be32(4) + "/a.c";
  bytes.reserve(bytes.size() + 500000 * change.size() + 64);
  for (int i = 0; i < 500000; ++i) bytes += change;
  bytes += be32(1) + be32(4) + "/z.c";
  bytes += be32(3) + be32(9) + be32(-1) + be32(0) + be32(5) + be32(0) + be32(0) + be32(0) + be32(0);
  writeBytes(name, bytes);
  U_BPtr<M_InputTessel> input = readFile(name);
  ASSERT_EQ(input->diagnostics().size(), 1u);
  EXPECT_EQ(input->diagnostics()[0]->getRepresentation(), "/z.c:9:1: Msg=5 #params=0");
}
