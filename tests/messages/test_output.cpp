#include <gtest/gtest.h>

#include <sstream>

#include "MessagesTestSupport.h"
#include "config/C_Options.h"
#include "intl/QL_String.h"
#include "messages/M_ErrDump.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_InputTessel.h"
#include "messages/M_MessageTable.h"
#include "messages/M_Output.h"
#include "messages/M_formatMessage.h"

using namespace messages_test;

namespace {

QL_String ql(const std::string& text) { return QL_String::create(text, eceEUC); }

M_IOFormat::Type formatFor(std::vector<U_String> debug) {
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("ktlpp");
  C_getArgDebug(cmdArgs->getOptions()) = debug;
  return M_getErrorOutputFormat(cmdArgs);
}

class Output : public testing::Test {
 protected:
  void SetUp() override { resetGlobalOptions(); }
  void TearDown() override {
    M_Output::close();
    resetGlobalOptions();
  }
};

}  // namespace

TEST_F(Output, FormFromDebugKeywords) {
  EXPECT_EQ(formatFor({}), M_IOFormat::Tessel2);
  EXPECT_EQ(formatFor({"ktloutput", "simpleoutput"}), M_IOFormat::Simple);
  EXPECT_EQ(formatFor({"formatoutput", "ktloutput"}), M_IOFormat::Format);
  EXPECT_EQ(formatFor({"ktloutput"}), M_IOFormat::Tessel);
}

TEST_F(Output, FileOpenDiagnosticIsAppendedAndListedByTheCompanionCommand) {
  TempDir dir;
  const std::string err = dir.file("proj.cma.err");
  int infos = M_Output::numberOfInformations();
  for (int run = 0; run < 2; ++run) {  // the second run appends to the first one's file
    M_Output::append(ql("/src/proj.cma"), ql(dir.path()), M_IOFormat::Tessel2);
    U_BPtr<M_Diagnostic> d = diag(M_MSG_FILE_OPEN_ERROR, loc("/src/proj.cma", 1, 0));
    d->addParameter(U_String("/out/b.cpp.met"));
    M_outputDiagnostic(d);
    M_Output::close();
  }
  EXPECT_EQ(M_Output::numberOfInformations(), infos + 2);

  ErrDumpRequest request;
  request.files = {err};
  std::ostringstream out, errors;
  EXPECT_EQ(errDumpRun(request, out, errors), 0);
  const std::string line = "/src/proj.cma:1: Msg=1540 #params=1 {/out/b.cpp.met}\n";
  EXPECT_EQ(out.str(), line + line);
  EXPECT_EQ(errors.str(), "");

  std::ostringstream formatted;
  request.format = ":%l: %t";
  errDumpRun(request, formatted, errors);
  EXPECT_EQ(formatted.str(), ":1: Cannot open file '/out/b.cpp.met'.\n:1: Cannot open file '/out/b.cpp.met'.\n");

  request.files = {dir.file("none.err"), err};
  std::ostringstream partial, failed;
  EXPECT_EQ(errDumpRun(request, partial, failed), 1);
  EXPECT_NE(partial.str().find("Cannot open file"), std::string::npos) << "later files are still listed";
  EXPECT_EQ(failed.str(), "kxdf.errdump: " + dir.file("none.err") + ": cannot open: No such file or directory\n");
}

TEST_F(Output, ExistingFileDecidesTheRecordFormat) {
  TempDir dir;
  const std::string err = dir.file("a.cpp.err");
  // Appends message `msgNo` asking for the form `asked`; the form used.
  const auto append = [&dir](M_IOFormat::Type asked, int msgNo) {
    M_Output::append(ql("a.cpp"), ql(dir.path()), asked);
    const M_IOFormat::Type used = M_Output::currentFormat();
    M_outputDiagnostic(diag(msgNo, loc("/src/a.cpp", msgNo + 1, 1)));
    M_Output::close();
    return used;
  };
  // With no file yet the form asked for is used; then the file's id wins.
  EXPECT_EQ(append(M_IOFormat::Tessel, 1), M_IOFormat::Tessel);
  EXPECT_EQ(readBytes(err).substr(0, 4), be32(0x7900));
  EXPECT_EQ(append(M_IOFormat::Tessel2, 2), M_IOFormat::Tessel);
  M_InputTessel input;
  input.openFile(err);
  ASSERT_EQ(input.diagnostics().size(), 2u);
  EXPECT_EQ(input.diagnostics()[1]->getMsgNo(), 2);
  writeBytes(err, be32(0x9300) + be32(0));
  EXPECT_EQ(append(M_IOFormat::Tessel, 3), M_IOFormat::Tessel2);

  for (int32_t id : {0x8100, 0x7700, 0x7800, 0x1234}) {
    writeBytes(err, be32(id) + be32(0));
    try {
      M_Output::append(ql("a.cpp"), ql(dir.path()), M_IOFormat::Tessel2);
      ADD_FAILURE() << "appended to id " << std::hex << id;
    } catch (const M_BadVersionForAppendException& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot append to error file with incorrect version.  Error file has "
                                       "version: " + M_hexText(id) + ". Expected: 9300\n");
    }
    EXPECT_FALSE(M_Output::isOpen());
  }
  writeBytes(err, "\x93");
  EXPECT_THROW(M_Output::append(ql("a.cpp"), ql(dir.path()), M_IOFormat::Tessel2), M_BadTextReadException);
}

TEST_F(Output, SendingWithoutAnOutputFails) {
  M_Output::close();
  testing::internal::CaptureStderr();
  for (auto send : {&M_Output::information, &M_Output::error}) {
    try {
      send(diag(1, loc("/a.c", 1, 1)));
      ADD_FAILURE();
    } catch (int code) {
      EXPECT_EQ(code, 17);
    }
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "M_Output:81: Cannot send information before open().\n"
            "M_Output:99: Cannot send information before open().\n");
}

TEST_F(Output, RoutingAndSuppressedState) {
  std::string log;
  M_Output::setSink(new RecordingSink(log), M_IOFormat::Simple);
  U_BPtr<M_Diagnostic> hidden = diag(1, loc("/a.c", 1, 1));
  hidden->setHidden(true);
  U_BPtr<M_Diagnostic> error = diag(2, loc("/a.c", 1, 1));
  error->setError(true);
  U_BPtr<U_MacroHistory> macros(new U_MacroHistory());
  macros->expansions.push_back({"M", U_Filename::getString("/a.c"), 1, 1});
  U_BPtr<M_Diagnostic> inMacro = diag(3, U_Location(U_Filename::getString("/a.c"), 5, 1, macros));
  M_outputDiagnostic(hidden);
  M_outputDiagnostic(error);
  M_outputDiagnostic(inMacro);
  setGlobalOptions([](C_Options& o) { C_getArgHideMacroWarnings(o) = true; });
  M_outputDiagnostic(inMacro);
  EXPECT_EQ(log, "1s 2e 3 3s ");
}

TEST_F(Output, TextSinksFilterByTheMessageOptions) {
  setGlobalOptions([](C_Options& o) { C_getArgOnlyErrors(o).Set({5, 6}); });
  U_BPtr<M_Diagnostic> seven = diag(7, loc("/a.c", 1, 1));
  EXPECT_FALSE(configEnabledMsg(seven));
  EXPECT_TRUE(configEnabledMsg(diag(5, loc("/a.c", 1, 1))));
  seven->setError(true);
  EXPECT_TRUE(configEnabledMsg(seven));
  setGlobalOptions([](C_Options& o) { C_getArgSuppressedErrors(o).Set({5}); });
  EXPECT_FALSE(configEnabledMsg(diag(5, loc("/a.c", 1, 1))));
  U_BPtr<M_Diagnostic> hidden = diag(6, loc("/a.c", 1, 1));
  hidden->setHidden(true);
  EXPECT_FALSE(configEnabledMsg(hidden));
  setGlobalOptions([](C_Options& o) { C_getArgHiddenWarnings(o) = true; });
  EXPECT_TRUE(configEnabledMsg(hidden));
  setGlobalOptions([](C_Options& o) { C_getArgNoHeaders(o) = true; });
  EXPECT_FALSE(configEnabledMsg(diag(6, loc("/not/a/main/file.h", 1, 1))));
  EXPECT_TRUE(configEnabledMsg(diag(6, U_Location())));

  setGlobalOptions([](C_Options& o) { C_getArgSuppressedErrors(o).Set({5}); });
  M_Output::append(ql("x.c"), ql("/unused"), M_IOFormat::Simple);
  testing::internal::CaptureStdout();
  M_outputDiagnostic(diag(5, loc("/a.c", 1, 1)));  // not enabled
  M_outputDiagnostic(hidden);                       // suppressed
  U_BPtr<M_Diagnostic> shown = diag(9, U_Location());
  shown->addParameter(U_String("p"));
  shown->addParameter(std::vector<U_String>{"x", "y"});
  M_outputDiagnostic(shown);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "nofile.cc:0: Msg=9 #params=2 {p, [x, y]}\n");
}

TEST_F(Output, FormattedSinkWritesSubMessagesOneLevelDeeper) {
  setGlobalOptions([](C_Options& o) {
    std::istringstream value("%l:%u:%n\n");
    C_getArgFormat(o).handleArgument(value, C_HasSuffix::no);
  });
  M_Output::append(ql("x.c"), ql("/unused"), M_IOFormat::Format);
  U_Location inHeader(U_Filename::getString("/src/a.h"), 8, 2, U_BPtr<U_MacroHistory>(), loc("/src/m.c", 3, 0));
  U_BPtr<M_Diagnostic> d = diag(1540, inHeader);
  d->addParameter(diag(1728, loc("/src/m.c", 20, 1)));
  testing::internal::CaptureStdout();
  M_outputDiagnostic(d);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "8:0:1540\n20:1:1728\n3:1:1704\n");
}

TEST(Diagnostic, RepresentationAndParameters) {
  resetGlobalOptions();
  U_BPtr<M_Diagnostic> d = diag(12, loc("/src/a.c", 4, 0));
  EXPECT_EQ(d->getRepresentation(), "/src/a.c:4: Msg=12 #params=0");
  d->setHidden(true);
  d->setUserHidden(true);
  d->addParameter(3);
  d->addParameter(U_String("ns::C<a::b>::f"), false);
  d->addParameter(U_String("ns::C<a::b>::f"), true);
  d->addParameter(diag(1, loc("/src/a.c", 5, 6)));
  EXPECT_EQ(d->getRepresentation(),
            "/src/a.c:4: Msg=12 #params=4 {3, f, ns::C<a::b>::f, [/src/a.c:5:6: Msg=1 #params=0]} hidden by pragma "
            "hidden by user");
}
