// Registration: duplicate and ordering rules, what each registration
// switches on, the internal clients, and library mode.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "model/DefineHandler.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_Configure.h"
#include "model/P_MetricStore.h"
#include "test_pi_support.h"
#include "util/U_Assert.h"

namespace {

// Every client call of these tests, as "KIND NAME".
std::vector<std::string>& calls() {
  static std::vector<std::string> log;
  return log;
}

// The calls starting with one of `kinds`, in the order they happened.
std::vector<std::string> callsOf(std::initializer_list<std::string> kinds) {
  std::vector<std::string> out;
  for (const std::string& c : calls())
    for (const std::string& kind : kinds)
      if (c.rfind(kind, 0) == 0) out.push_back(c);
  return out;
}

void endA() { calls().push_back("end A"); }
void endB() { calls().push_back("end B"); }
void allDefinesA() { calls().push_back("all A"); }
void allDefinesB() { calls().push_back("all B"); }
void metricGroup(const char* name) { calls().push_back(std::string("group ") + name); }
// The symbol table is shared with the other tests of this process: only
// this test's symbols (named "picm...") are logged.
template <bool kFunction>
void metricOf(P_Define* d, const char* metric) {
  const std::string name = PI_getOutputString(PI_getDefineQualName(d));
  if (name.rfind("picm", 0) == 0) calls().push_back((kFunction ? "fn " : "class ") + name + ":" + metric);
}

TEST(PiConfigure, EndClientsOncePerFunctionInAddressOrder) {
  calls().clear();
  PI_configureOnEnd(&endB);
  PI_configureOnEnd(&endA);
  P_configureOnEndMetrics(&endA);  // another way into the same list
  MetricFileReader::processEnd(P_getSymbolTable());
  const bool aFirst = std::less<void (*)()>()(&endA, &endB);
  EXPECT_EQ((aFirst ? std::vector<std::string>{"end A", "end B"} : std::vector<std::string>{"end B", "end A"}),
            callsOf({"end "}));
}

TEST(PiConfigure, AllDefineClientsOnceEachInRegistrationOrder) {
  calls().clear();
  PI_configureOnAllDefine(&allDefinesB);
  PI_configureOnAllDefine(&allDefinesA);
  PI_configureOnAllDefine(&allDefinesB);
  // The handler itself refuses a client it holds, however it is reached.
  DefineHandler::configureOnAllDefines(&allDefinesA);
  EXPECT_TRUE(MetricFileReader::isTagRead("DEFINE"));
  // The all-defines batch runs among the end clients.
  MetricFileReader::processEnd(P_getSymbolTable());
  EXPECT_EQ((std::vector<std::string>{"all B", "all A"}), callsOf({"all "}));
}

TEST(PiConfigure, MetricClientsPerClassAndFunctionWithEachName) {
  PI_configureClassMetric("NOM", &metricOf<false>);
  PI_configureClassMetric("DIT", &metricOf<false>);
  PI_configureFunctionMetric("CYC", &metricOf<true>);
  piFeedDefines({
      "<DEFINE> picmKlass \"/pic/k.h\" 2 I DC TG F X {cpicmKlass} -",
      "<DEFINE> picmKlass \"/pic/k.h\" 2 I DD TG F X {cpicmKlass} -",
      "<DEFINE> picmFn(void) \"/pic/k.h\" 8 I DC OF F X (void)int -",
      "<DEFINE> picmVar \"/pic/k.h\" 9 I DC OV F X int -",
  });
  calls().clear();
  cDoEntityMetrics();
  EXPECT_EQ((std::vector<std::string>{"class picmKlass:NOM", "class picmKlass:DIT", "fn picmFn(void):CYC"}),
            callsOf({"class ", "fn "}));
}

TEST(PiConfigure, MetricRecordsAndGroupClients) {
  PI_configureNeedMetric("a metric nobody writes");
  EXPECT_TRUE(MetricFileReader::isTagRead("S"));
  PI_configureMetricGroup(&metricGroup);
  MetricFileReader::dispatch("S", "<S>STFIL /pic/group.c");
  MetricFileReader::dispatch("S", "<S>STLIN 7");
  calls().clear();
  MetricFileReader::processEnd(P_getSymbolTable());
  EXPECT_EQ((std::vector<std::string>{"group /pic/group.c"}), callsOf({"group "}));
}

TEST(PiConfigure, ScopeClientRecordsTheEnclosingSymbol) {
  PI_configureNeedScopeEnclSymbol();
  EXPECT_TRUE(MetricFileReader::isTagRead("DEFINE"));
  piFeedDefines({
      "<DEFINE> picOuter \"/pic/s.h\" 1 I DC TG F X {cpicOuter} -",
      "<DEFINE> picOuter::member \"/pic/s.h\" 2 I DC MB C X int -",
  });
  P_Symbol* outer = piFindSymbol("picOuter");
  P_Symbol* member = piFindSymbol("picOuter::member");
  ASSERT_TRUE(outer && member);
  EXPECT_EQ(outer, PI_getScopeEnclSymbol(PI_getDefineScope(PI_getSymbolCurrentDefine(member))));
  EXPECT_EQ(nullptr, PI_getScopeEnclSymbol("picNoSuchScope"));
  std::string text = piStderrOf([] { EXPECT_EQ(nullptr, PI_getScopeEnclSymbol(nullptr)); });
  EXPECT_NE(std::string::npos, text.find("'0 != scope && \"Scope is unset\"'")) << text;
}

TEST(PiConfigure, LibraryModeReadsNothingWithoutAValidCommandLine) {
  // An unknown product returns at once, before the argument file is looked at.
  testing::internal::CaptureStderr();
  EXPECT_EQ(0, PI_Initialise("nosuchproduct", "/pic/args.via"));
  EXPECT_EQ(0, PI_Initialise(nullptr, nullptr));
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  // A known product with a missing argument file reports it and, with no
  // file to analyse, reads nothing.
  testing::internal::CaptureStderr();
  EXPECT_EQ(0, PI_Initialise("ktlpp", "/pic/no/such/args.via"));
  EXPECT_NE(std::string::npos,
            testing::internal::GetCapturedStderr().find("Unable to open /pic/no/such/args.via"));
}

// What stops a run inside PI_Initialise is reported with its cause, and the
// call answers 0 instead of throwing.  Each case runs in a child process: a
// run leaves the model to its process.
void assertingClient(P_Symbol*, P_Define* define) { U_ASSERT(0 == define && "the check's own invariant"); }
void throwingClient() { throw 42; }

// Runs PI_Initialise in a fixture project; exits 0 when it answered 0.
[[noreturn]] void initialiseAndExit() {
  if (chdir(TUK_TEST_DATA_DIR "/report/ex1_all_content") != 0) std::_Exit(2);
  std::_Exit(PI_Initialise("ktlpp", TUK_TEST_DATA_DIR "/plugin/args.via") == 0 ? 0 : 1);
}

TEST(PiLibraryMode, AFailedAssertionOrAnyExceptionOfAClientIsReportedNotThrown) {
  EXPECT_EXIT(
      {
        PI_configureOnNewSymbol(assertingClient);
        initialiseAndExit();
      },
      testing::ExitedWithCode(0),
      "PI_Initialise: Assertion at [^\n]*: Assertion '0 == define && \"the check's own invariant\"' failed\\.");
  EXPECT_EXIT(
      {
        PI_configureOnEnd(throwingClient);
        initialiseAndExit();
      },
      testing::ExitedWithCode(0), "PI_Initialise: an unrecognised exception");
}

}  // namespace
