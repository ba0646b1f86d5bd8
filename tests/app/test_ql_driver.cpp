// The application object's defaults, the exception-to-return-code table
// and the generic driver that builds the command line.
#include <cstdlib>
#include <functional>
#include <iostream>
#include <new>
#include <stdexcept>
#include <tuple>

#include <gtest/gtest.h>

#include "app/QL_App.h"
#include "app/QL_Driver.h"
#include "config/C_Exceptions.h"
#include "util/U_Assert.h"
#include "ChildRun.h"

namespace {

// An application that runs a given body and reports its usage as "USAGE".
class StubApp : public QL_App {
 public:
  explicit StubApp(const char* version = "stub 1\n") : QL_App(version) {}
  int exec() override { return m_body ? m_body(*this) : 0; }
  C_OrphanHandler& getOrphanHandler() override { return m_orphans; }
  void usage() const override { std::cerr << "USAGE\n"; }

  std::function<int(StubApp&)> m_body;
  C_OrphanFileHandler m_orphans;
};

const std::string kSupport = QL_supportLines();

}  // namespace

// An assertion's line is written when it fires, so its report adds none.
TEST(QL_reportException, EachKindGetsItsMessageAndCode) {
  std::exception_ptr assertion;
  testing::internal::CaptureStderr();
  try {
    U_ASSERT(1 == 2 && "Numbers differ.");
  } catch (...) {
    assertion = std::current_exception();
  }
  const std::string fired = testing::internal::GetCapturedStderr();
  EXPECT_NE(fired.find("Assertion at "), std::string::npos) << fired;
  const std::tuple<std::exception_ptr, int, std::string> cases[] = {
      {assertion, 18, ""},
      {std::make_exception_ptr(C_ConfigurationException("\nERROR: bad\n")), 10, "\nERROR: bad\nUSAGE\n"},
      {std::make_exception_ptr(C_ConfigurationException(3, "three\n")), 3, "three\nUSAGE\n"},
      {std::make_exception_ptr(U_UserException("cannot read x")), 18, "cannot read x\n"},
      {std::make_exception_ptr(U_UserException()), 18, "UserException: don't know cause\n"},
      {std::make_exception_ptr(U_Exception()), 18, "An internal exception occured: don't know cause\n"},
      {std::make_exception_ptr(std::bad_alloc()), 19,
       "A system allocation exception (: std::bad_alloc) was detected.\n" + kSupport},
      {std::make_exception_ptr(std::runtime_error("disk on fire")), 19,
       "A system exception (disk on fire) was detected.\n" + kSupport},
      {std::make_exception_ptr(17), 19, "An unrecognised exception was detected.\n" + kSupport},
  };
  StubApp app;
  for (const auto& [thrown, code, err] : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(QL_reportException(app, thrown), code) << err;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), err);
  }
}

// QL_Driver installs signal handlers and reads the environment, so it runs
// in a child process.  Its refusals of a missing or unknown product and of
// a missing bin directory, and the mapping of what the run throws, are
// shown by the command-line tests and the table above.
TEST(QL_Driver, RunsTheApp) {
  TempDir bin;
  bin.write("ktlpp.cfg", "");  // the product's configuration file
  // A product given as a path; the run sees the processed command line and
  // its non-option words, and its result is the driver's.
  ChildRun runs = runInChild([&bin] {
    ::setenv("KTLPPBIN", bin.path().c_str(), 1);
    U_BPtr<StubApp> stub(new StubApp("banner\n"));
    stub->m_body = [](StubApp& self) {
      if (!self.getCmdArgs().isSet() || self.m_orphans.size() != 2) return 50;
      std::cout << "ran\n";
      return 42;
    };
    U_BPtr<QL_App> app(stub.pointer());
    const char* words[] = {"/opt/tools/Ktl++", "a.c", "-version", "b.c"};
    return QL_Driver(4, words, app);
  });
  EXPECT_EQ(runs.status, 42) << runs.err;
  EXPECT_EQ(runs.out, "banner\nran\n");
  EXPECT_EQ(runs.err, "");
}
