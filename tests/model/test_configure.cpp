// Registration: duplicate and ordering rules, what each registration
// switches on, and the internal clients.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "model/DefineHandler.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_Configure.h"
#include "model/P_MetricStore.h"
#include "test_pi_support.h"

namespace {

std::vector<std::string>& calls() {
  static std::vector<std::string> log;
  return log;
}

void endA() { calls().push_back("endA"); }
void endB() { calls().push_back("endB"); }
void allDefinesA() { calls().push_back("allA"); }
void allDefinesB() { calls().push_back("allB"); }

// The calls of the named clients, in the order they happened.
std::vector<std::string> callsOf(std::initializer_list<const char*> names) {
  std::vector<std::string> out;
  for (const std::string& c : calls()) {
    for (const char* n : names) {
      if (c == n) out.push_back(c);
    }
  }
  return out;
}

TEST(PiConfigure, EndClientsOncePerFunctionInAddressOrder) {
  calls().clear();
  PI_configureOnEnd(&endB);
  PI_configureOnEnd(&endA);
  P_configureOnEndMetrics(&endA);  // another way into the same list
  MetricFileReader::processEnd(P_getSymbolTable());
  const bool aFirst = std::less<void (*)()>()(&endA, &endB);
  std::vector<std::string> expected = aFirst ? std::vector<std::string>{"endA", "endB"}
                                             : std::vector<std::string>{"endB", "endA"};
  EXPECT_EQ(expected, callsOf({"endA", "endB"}));
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
  EXPECT_EQ((std::vector<std::string>{"allB", "allA"}), callsOf({"allA", "allB"}));
}

std::vector<std::string>& metricCalls() {
  static std::vector<std::string> log;
  return log;
}
void classMetric(P_Define* d, const char* metric) {
  const char* name = PI_getOutputString(PI_getDefineQualName(d));
  if (std::strncmp(name, "pic", 3) == 0) metricCalls().push_back(std::string(name) + ":" + metric);
}
void functionMetric(P_Define* d, const char* metric) {
  const char* name = PI_getOutputString(PI_getDefineQualName(d));
  if (std::strncmp(name, "pic", 3) == 0) {
    metricCalls().push_back(std::string("fn ") + name + ":" + metric);
  }
}

TEST(PiConfigure, MetricClientsPerClassAndFunctionWithEachName) {
  PI_configureClassMetric("NOM", &classMetric);
  PI_configureClassMetric("DIT", &classMetric);
  PI_configureFunctionMetric("CYC", &functionMetric);
  piFeedDefines({
      "<DEFINE> picKlass \"/pic/k.h\" 2 I DC TG F X {cpicKlass} -",
      "<DEFINE> picKlass \"/pic/k.h\" 2 I DD TG F X {cpicKlass} -",
      "<DEFINE> picFn(void) \"/pic/k.h\" 8 I DC OF F X (void)int -",
      "<DEFINE> picVar \"/pic/k.h\" 9 I DC OV F X int -",
  });
  metricCalls().clear();
  cDoEntityMetrics();
  // The symbol table is shared with the other tests of this process: keep
  // only the calls for this test's symbols.
  std::vector<std::string> calls;
  for (const std::string& call : metricCalls()) {
    for (const char* name : {"picKlass:", "picFn(", "picVar"}) {
      if (call.find(name) != std::string::npos) calls.push_back(call);
    }
  }
  EXPECT_EQ((std::vector<std::string>{"picKlass:NOM", "picKlass:DIT", "fn picFn(void):CYC"}), calls);
}

std::vector<std::string>& groups() {
  static std::vector<std::string> log;
  return log;
}
void metricGroup(const char* name) { groups().push_back(name); }

TEST(PiConfigure, MetricRecordsAndGroupClients) {
  PI_configureNeedMetric("a metric nobody writes");
  EXPECT_TRUE(MetricFileReader::isTagRead("S"));
  PI_configureMetricGroup(&metricGroup);
  MetricFileReader::dispatch("S", "<S>STFIL /pic/group.c");
  MetricFileReader::dispatch("S", "<S>STLIN 7");
  EXPECT_EQ(7, PI_getMetricIntegralValue("/pic/group.c", "STLIN"));
  groups().clear();
  MetricFileReader::processEnd(P_getSymbolTable());
  EXPECT_EQ((std::vector<std::string>{"/pic/group.c"}), groups());
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
  std::string text = piFailureText([] { EXPECT_EQ(nullptr, PI_getScopeEnclSymbol(nullptr)); });
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

}  // namespace
