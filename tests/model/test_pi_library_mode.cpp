// Library mode seen from a C++ check: what stops a run inside PI_Initialise
// is reported with its cause, and the call answers 0 instead of throwing.
// Each case runs in a child process: a run leaves the model to its process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "model/PI_Interface.h"
#include "util/U_Assert.h"

namespace {

const char* const kProject = TUK_TEST_DATA_DIR "/report/ex1_all_content";
const char* const kArgs = TUK_TEST_DATA_DIR "/plugin/args.via";

void assertingClient(P_Symbol*, P_Define* define) {
  U_ASSERT(0 == define && "the check's own invariant");
}

void throwingClient() { throw 42; }

// Runs PI_Initialise in the fixture project; exits 0 when it answered 0.
[[noreturn]] void initialiseAndExit() {
  if (chdir(kProject) != 0) std::_Exit(2);
  std::_Exit(PI_Initialise("ktlpp", kArgs) == 0 ? 0 : 1);
}

TEST(PiLibraryMode, AFailedAssertionSaysWhatFailed) {
  EXPECT_EXIT(
      {
        PI_configureOnNewSymbol(assertingClient);
        initialiseAndExit();
      },
      testing::ExitedWithCode(0),
      "PI_Initialise: Assertion at [^\n]*: Assertion '0 == define && \"the check's own "
      "invariant\"' failed\\.");
}

TEST(PiLibraryMode, AnyExceptionOfAClientIsReportedNotThrown) {
  EXPECT_EXIT(
      {
        PI_configureOnEnd(throwingClient);
        initialiseAndExit();
      },
      testing::ExitedWithCode(0), "PI_Initialise: an unrecognised exception");
}

}  // namespace
