#include <gtest/gtest.h>

#include "MessagesTestSupport.h"
#include "config/C_Options.h"
#include "intl/QL_Filename.h"
#include "messages/ErrorFileReader.h"
#include "messages/M_DiagnosticClients.h"
#include "messages/M_Output.h"
#include "messages/M_OutputTessel.h"
#include "messages/M_Suppression.h"
#include "messages/P_DiagnosticInterface.h"
#include "messages/P_FileOpenException.h"

using namespace messages_test;

namespace {

// What the clients below were called with, in order.
std::vector<std::string> gEvents;

std::string tag(P_Diagnostic* d) {
  return std::to_string(P_getDiagnosticID(d)) + "@" + std::to_string(P_getDiagnosticLine(d));
}
std::string flag(bool set, const char* name) { return set ? std::string(" ") + name : ""; }

void onDiag(P_Diagnostic* d, bool repeat) { gEvents.push_back("diag " + tag(d) + flag(repeat, "repeat")); }
void onSuppressed(P_Diagnostic* d, bool repeat, bool supp) {
  gEvents.push_back("supp " + tag(d) + flag(repeat, "repeat") + flag(supp, "suppressed"));
}
void onMessage(P_Diagnostic* d, bool, bool supp) { gEvents.push_back("msg " + tag(d) + flag(supp, "suppressed")); }
void onDisabled(int msgNo, const char* file) { gEvents.push_back("disabled " + std::to_string(msgNo) + " " + file); }
void onSubMsg(P_Diagnostic* d, P_Diagnostic* sub) { gEvents.push_back("sub " + tag(d) + " " + tag(sub)); }
void onParam(P_Diagnostic* d, int i, const char* text) {
  gEvents.push_back("param " + tag(d) + " " + std::to_string(i) + " " + text);
}
void onRecord(P_SuppressionRecord* r) { gEvents.push_back(std::string("record ") + P_getSuppressionRecordTag(r)); }
void onRecordDiag(P_SuppressionRecord* r, P_Diagnostic* d) {
  gEvents.push_back(std::string("record-diag ") + P_getSuppressionRecordTag(r) + " " + tag(d));
}

class ErrorFileReading : public testing::Test {
 protected:
  void SetUp() override {
    M_resetDiagnosticClients();
    M_getSuppressions().clear();
    gEvents.clear();
    resetGlobalOptions();
    m_dir = QL_Filename::create(QL_String::create(m_tmp.path(), eceEUC));
  }
  void TearDown() override {
    M_resetDiagnosticClients();
    M_getSuppressions().clear();
    resetGlobalOptions();
  }
  void registerAll() {
    P_configureOnDiagnostic(onDiag);
    P_configureOnDiagnostic(onDiag);  // twice: still called once
    P_configureOnDiagnosticSuppressed(onSuppressed);
    P_configureOnMessage(30, onMessage);
    P_configureOnDiagnosticDisabled(onDisabled);
    P_configureOnDiagnosticSubMsg(onSubMsg);
    P_configureOnDiagnosticStringParam(onParam);
    P_configureOnSuppressionRecord(onRecord);
    P_configureOnSuppressionRecordDiagnostic(onRecordDiag);
  }
  QL_Filename source(const std::string& name) {
    return QL_Filename::fromHandle(U_Filename::getString(m_tmp.path() + "/" + name));
  }
  void read(const std::string& name) { ErrorFileReader::processFile(m_dir, source(name)); }

  TempDir m_tmp;
  QL_Filename m_dir;
};

}  // namespace

TEST_F(ErrorFileReading, DiagnosticsAreSortedDeduplicatedAndDispatched) {
  const std::string src = m_tmp.path() + "/main.cpp";
  writeErr(m_tmp.file("main.cpp.err"), [&src](auto& out) {
    U_BPtr<M_Diagnostic> withParams = diag(20, loc(src, 9, 1));
    withParams->addParameter(U_String("name"));
    U_BPtr<M_Diagnostic> sub = diag(1701, loc(src, 2, 1));
    sub->addParameter(U_String("int"));
    withParams->addParameter(sub);
    out.error(withParams, false);
    out.error(diag(10, loc(src, 3, 1)), false);
    out.error(diag(10, loc(src, 3, 1)), false);  // duplicate
    out.error(diag(30, loc(src, 5, 1)), true);   // hidden by a pragma
    U_BPtr<M_Diagnostic> userHidden = diag(40, loc(src, 6, 1));
    userHidden->setUserHidden(true);
    out.error(userHidden, false);
    out.error(diag(50, loc(src, 7, 1)), false);  // covered by the record below
    U_BPtr<M_SuppressionRecord> rec(new M_SuppressionRecord());
    rec->tag = "quiet";
    rec->messages = {{"50", "50"}};
    rec->startLocation = loc(src, 7, 1);
    out.suppressionRecord(rec);
  });
  registerAll();
  read("main.cpp");
  const std::vector<std::string> expected = {
      "supp 10@3", "diag 10@3",
      "msg 30@5 suppressed", "supp 30@5 suppressed",
      "disabled 40 " + src,
      "supp 50@7 suppressed", "record-diag quiet 50@7",
      "supp 20@9", "diag 20@9", "param 20@9 0 name", "sub 20@9 1701@2", "param 1701@2 0 int",
      "record quiet"};
  EXPECT_EQ(gEvents, expected);

  // The same diagnostics from another file are repeats: flagged, no parameters.
  std::filesystem::copy_file(m_tmp.file("main.cpp.err"), m_tmp.file("copy.cpp.err"));
  gEvents.clear();
  read("copy.cpp");
  EXPECT_EQ(gEvents[0], "supp 10@3 repeat");
  EXPECT_EQ(gEvents[1], "diag 10@3 repeat");
  const auto isParam = [](const std::string& e) { return e.rfind("param", 0) == 0; };
  EXPECT_TRUE(std::none_of(gEvents.begin(), gEvents.end(), isParam));
}

TEST_F(ErrorFileReading, FilesAreReadOnlyForClientsAndMissingOnesThrow) {
  read("absent.cpp");  // nobody asked for diagnostics: not even opened
  setGlobalOptions([](C_Options& o) { C_getArgDebug(o) = std::vector<U_String>{"always_read_errors"}; });
  try {
    read("absent.cpp");
    ADD_FAILURE() << "missing error file accepted";
  } catch (const P_FileOpenException& e) {
    EXPECT_EQ(e.getFilename().str(), m_tmp.path() + "/absent.cpp.err");
    EXPECT_STREQ(e.what(), "PostAnalysis FileOpenException");
  }
  resetGlobalOptions();
  P_configureOnDiagnostic(onDiag);
  EXPECT_THROW(read("absent.cpp"), P_FileOpenException);
}

TEST_F(ErrorFileReading, NoMsgDisablesAMessage) {
  setGlobalOptions([](C_Options& o) { C_getArgSuppressedErrors(o).Set({10}); });
  writeErr(m_tmp.file("a.cpp.err"), [](auto& out) {
    out.error(diag(10, loc("/src/a.cpp", 3, 1)), false);
    out.error(diag(11, loc("/src/a.cpp", 4, 1)), false);
  });
  P_configureOnDiagnostic(onDiag);
  P_configureOnDiagnosticDisabled(onDisabled);
  read("a.cpp");
  EXPECT_EQ(gEvents, (std::vector<std::string>{"disabled 10 /src/a.cpp", "diag 11@4"}));
}

TEST(DiagnosticInterface, CreatedDiagnosticsFormatAndWarn) {
  resetGlobalOptions();
  P_Diagnostic* d = P_createDiagnosticWithCol(1540, "/no/such/dir/f.c", 12, 3);
  P_addDiagnosticParamName(d, "x.met");
  P_Diagnostic* sub = P_createDiagnostic(1704, "/no/such/dir/f.c", 2);
  P_addDiagnosticParamDiag(d, sub);
  delete sub;  // the parameter holds its own copy
  EXPECT_EQ(P_getDiagnosticID(d), 1540);
  EXPECT_STREQ(P_getDiagnosticFilename(d), "/no/such/dir/f.c");
  EXPECT_EQ(P_getDiagnosticColumn(d), 3);
  const char* text = P_getDiagnosticAsString(d, "%l:%c %t");
  EXPECT_STREQ(text, "12:3 Cannot open file 'x.met'.");
  EXPECT_EQ(text, P_getDiagnosticAsString(d, "%l:%c %t")) << "interned";
  P_Location* l = P_getDiagnosticLocation(d);
  EXPECT_EQ(P_getLocationLine(l), 12);
  delete l;
  std::string sent;
  M_Output::setSink(new RecordingSink(sent), M_IOFormat::Simple);
  P_warn(d);
  M_Output::close();
  EXPECT_EQ(sent, "1540 ") << "a warning is information";
}
