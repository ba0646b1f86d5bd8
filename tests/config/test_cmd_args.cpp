#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "ConfigTestSupport.h"
#include "config/C_Exceptions.h"
#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"
#include "config/QL_getFilenameDisplayPath.h"
#include "intl/QL_LocalEncoding.h"
#include "util/U_FileStat.h"

using config_test::IsolatedProduct;
using config_test::makeCmdArgs;
using config_test::RecordingHandler;

// Command lines of KTLPP, processed in an isolated environment.
class CmdArgs : public testing::Test {
 protected:
  // Processes the words, the non-option ones going to `handler`; returns
  // what was written to standard error.
  std::string process(U_BPtr<C_CmdArgs>& cmdArgs) { return process(cmdArgs, handler); }
  static std::string process(U_BPtr<C_CmdArgs>& cmdArgs, C_OrphanHandler& orphans) {
    testing::internal::CaptureStderr();
    try {
      cmdArgs->process(orphans);
    } catch (...) {
      testing::internal::GetCapturedStderr();
      throw;
    }
    return testing::internal::GetCapturedStderr();
  }

  IsolatedProduct product;
  RecordingHandler handler;
};

TEST_F(CmdArgs, ProductNames) {
  for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
           {"KTLPP", 0}, {"Ktl++", 0}, {"ZNT", 3}, {"ktlppx", -1}, {"ktlpp     ", -1}, {"", -1}, {nullptr, -1}})
    EXPECT_EQ(C_getProductIndex(name), index) << (name ? name : "null");
  C_CmdArgs cmdArgs("Ktl++");
  EXPECT_TRUE(cmdArgs.isValidProduct());
  EXPECT_EQ(cmdArgs.getProduct(), 2);
  EXPECT_EQ(C_currentProductIndex(), -1);
}

TEST_F(CmdArgs, MatchArgTakesTheLongestCaseInsensitivePrefix) {
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("ktlpp");
  C_Options& options = cmdArgs->getOptions();
  int rows = 0;
  const C_OptionMapping* table = C_getArgumentTable(0, rows);
  // "metr" is "met" with the suffix r.
  for (const auto& [word, option, matched] : std::vector<std::tuple<const char*, C_OptionBase*, int>>{
           {"METRICS", &options.getAsBaseArgMetrics(), 7}, {"metr", &options.getAsBaseArgMetrics(), 3},
           {"nomsg", &options.getAsBaseArgSuppressedErrors(), 5}, {"nometrics", &options.getAsBaseArgNoMetrics(), 9},
           {"zzz", nullptr, 0}, {"", nullptr, 0}}) {
    int length = -1;
    EXPECT_EQ(matchArg(*cmdArgs, word, length, table, rows), option) << word;
    EXPECT_EQ(length, matched) << word;
  }
}

TEST_F(CmdArgs, ValuesAttachedOrAsNextWordAndBooleanSuffixes) {
  auto cmdArgs = makeCmdArgs("ktlpp", {"-op/tmp/b", "-OUTPUTPATH", "/tmp/c", "-op=/tmp/a", "-met-", "-tab", "-3",
                                       "-ppl+", "-echo", "hello world", "-e=again"});
  testing::internal::CaptureStdout();
  EXPECT_EQ(process(cmdArgs), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "hello world\nagain\n");
  C_Options& options = cmdArgs->getOptions();
  EXPECT_EQ(C_getArgOutPath(options).str().get(), "/tmp/a");
  EXPECT_FALSE(C_getArgMetrics(options));
  EXPECT_EQ(static_cast<int>(C_getArgTabStop(options)), -3) << "a following word is a value even with a -";
  EXPECT_TRUE(C_getArgPpList(options));
  EXPECT_TRUE(handler.words.empty());
  EXPECT_TRUE(cmdArgs->isValid());
}

TEST_F(CmdArgs, ArgumentErrorsArePrintedAndProcessingGoesOn) {
  auto cmdArgs = makeCmdArgs("ktlpp", {"-metX", "-", "-bogus", "-forget", "xyz", "-f", "nomsg", "a.cpp", "-op"});
  C_getArgSuppressedErrors(cmdArgs->getOptions()).Set({4});
  const std::string errors = process(cmdArgs);
  EXPECT_EQ(errors,
            "\nERROR: X is not a valid argument for option: metrics\n\n"
            "\nERROR: Unknown argument: -\n\n"
            "\nERROR: Unknown argument: -bogus\n\n"
            "\nERROR: xyz is not a valid argument for option: forgetall\n\n"
            "\nERROR: Argument expected after outputpath\n\n");
  C_Options& options = cmdArgs->getOptions();
  EXPECT_TRUE(C_getArgMetrics(options)) << "a rejected value leaves the option on";
  EXPECT_TRUE(C_getArgMetrics(options).isSet());
  EXPECT_TRUE(C_getArgSuppressedErrors(options).empty()) << "-f nomsg empties the list";
  EXPECT_EQ(handler.words, std::vector<std::string>{"a.cpp"});
  EXPECT_TRUE(cmdArgs->isValid());
}

TEST_F(CmdArgs, ErrorOptionsTakeEffectFromTheNextWord) {
  auto after = makeCmdArgs("ktlpp", {"-bogus", "-eica"});
  EXPECT_EQ(process(after), "\nERROR: Unknown argument: -bogus\n\n");
  EXPECT_TRUE(after->isValid());

  auto before = makeCmdArgs("ktlpp", {"-eica", "-bogus", "later.cpp"});
  const int savedIndex = C_currentProductIndex();
  C_currentProductIndex() = 2;  // another product than the one processed
  try {
    process(before);
    FAIL() << "unknown argument accepted";
  } catch (const C_InvalidArgException& e) {
    EXPECT_STREQ(e.what(), "\nERROR: Unknown argument: -bogus\n\n");
  }
  EXPECT_FALSE(before->isValid());
  EXPECT_TRUE(handler.words.empty()) << "processing stopped at the unknown word";
  EXPECT_EQ(C_currentProductIndex(), 2) << "the product index is restored";
  C_currentProductIndex() = savedIndex;

  auto values = makeCmdArgs("ktlpp", {"-eicv", "-met?"});
  EXPECT_THROW(process(values), C_InvalidArgValueException);
  auto via = makeCmdArgs("ktlpp", {"-eicv", "-via", "/no/such/file"});
  try {
    process(via);
    FAIL() << "missing via file accepted";
  } catch (const C_InvalidViaException& e) {
    EXPECT_STREQ(e.what(), "\nERROR: Unable to open /no/such/file\n\n");
  }
}

TEST_F(CmdArgs, WordsAreSplitAtNewlinesEndAtAnEmptyOneAndAreProcessedOnce) {
  auto cmdArgs = makeCmdArgs("ktlpp", {"a.cpp", "b.cpp\nc.cpp", "", "d.cpp"});
  process(cmdArgs);
  process(cmdArgs);
  EXPECT_EQ(handler.words, (std::vector<std::string>{"a.cpp", "b.cpp", "c.cpp"}));
  cmdArgs->appendArgs(U_String("e.cpp"));
  EXPECT_FALSE(cmdArgs->isValid());
  process(cmdArgs);
  EXPECT_EQ(handler.words.size(), 6u);
}

TEST_F(CmdArgs, ViaAndListFilesAreReadWhereTheyAreNamed) {
  TempDir dir;
  const std::string inner = dir.write("inner.via", "-d INNER\n");
  const std::string outer = dir.write("outer.via", "-d FIRST -via " + inner + "\n-d LAST\n");
  const std::string list = dir.write("files.lst", "one.cpp two.cpp\n");
  auto cmdArgs = makeCmdArgs("ktlpp", {"-via", outer.c_str(), "-d", "CMD", ("-list" + list).c_str(), "three.cpp"});
  EXPECT_EQ(process(cmdArgs), "");
  EXPECT_EQ(C_getArgDefines(cmdArgs->getOptions()).getValueRepresentation(), "FIRST, INNER, LAST, CMD, ");
  EXPECT_EQ(handler.words, (std::vector<std::string>{"one.cpp", "two.cpp", "three.cpp"}));

  auto equals = makeCmdArgs("ktlpp", {("-via=" + inner).c_str()});
  process(equals);
  EXPECT_EQ(C_getArgDefines(equals->getOptions()).getValueRepresentation(), "INNER, ");

  auto missing = makeCmdArgs("ktlpp", {"-via", dir.path().c_str(), "-list/no/such"});
  EXPECT_EQ(process(missing),
            "\nERROR: Unable to open " + dir.path() + "\n\n\nERROR: Unable to open /no/such\n\n");
}

TEST_F(CmdArgs, OrphanFilesKeepTheOutputDirectoryOfTheirFirstMention) {
  TempDir out1;
  TempDir out2;
  config_test::ScopedEnv env;
  env.set("KTLPPOUTPATH", out2.path());
  auto cmdArgs = makeCmdArgs("ktlpp", {"a.cpp", "-op", out1.path().c_str(), "b.cpp", "./a.cpp", "c.cpp"});
  C_OrphanFileHandler files;
  process(cmdArgs, files);
  ASSERT_EQ(files.size(), 3u);
  // Before -op a file gets the product's output path.
  std::vector<std::string> seen;
  for (auto it = files.begin(); it != files.end(); ++it)
    seen.push_back(U_FileStat::getFilename((*it)->first.str()) + " in " + (*it)->second.get());
  const std::string dir1 = U_FileStat::getRealPath(out1.path()), dir2 = U_FileStat::getRealPath(out2.path());
  EXPECT_EQ(seen, (std::vector<std::string>{"a.cpp in " + dir2, "b.cpp in " + dir1, "c.cpp in " + dir1}));
  EXPECT_TRUE(C_isMainSourceFile(QL_Filename::create(QL_String::create("b.cpp"))));
}

TEST_F(CmdArgs, GlobalCopyIsIndependentAndDebugKeywordsAreExact) {
  auto cmdArgs = makeCmdArgs("ktlpp", {"-debug", "log", "-deb=always-first"});
  process(cmdArgs);
  cmdArgs->assignToGlobalOptions();
  EXPECT_TRUE(C_hasDebug("log"));
  EXPECT_TRUE(C_hasDebug(cmdArgs, "always-first"));
  EXPECT_FALSE(C_hasDebug("LOG"));
  EXPECT_FALSE(C_hasDebug("lo"));
  C_getArgDebug(cmdArgs->getOptions()).resetOption();
  EXPECT_TRUE(C_hasDebug("log")) << "the global command line is a copy";
  EXPECT_EQ(C_currentProductIndex(), 0);
  EXPECT_EQ(&C_getArgDebug(), &C_CmdArgs::getGlobal().getOptions().getArgDebug());
}

TEST_F(CmdArgs, ForgetResetsTheGlobalCopysOwnOptions) {
  U_BPtr<C_CmdArgs> original = new C_CmdArgs("ktl");
  std::istringstream value("indented\n");
  C_getArgStyle(original->getOptions()).handleArgument(value, C_HasSuffix::no);
  C_CmdArgs copy(*original);
  std::istringstream words("style\n");
  C_getDummyForgetall(copy.getOptions()).handleArgument(words, C_HasSuffix::no);
  EXPECT_EQ(C_getArgStyle(copy.getOptions()).str(), "exdented");
  EXPECT_FALSE(C_getArgStyle(copy.getOptions()).isSet());
  EXPECT_EQ(C_getArgStyle(original->getOptions()).str(), "indented");
}

TEST_F(CmdArgs, EncodingOptionAndDisplayPaths) {
  const ExtendedCharEncoding saved = QL_getLocalEncoding();
  C_CmdArgs cmdArgs("ktlpp");
  EXPECT_EQ(cmdArgs.getCmdLocalEncoding(), saved);
  std::istringstream value("SJIS\n");
  C_getArgEncoding(cmdArgs.getOptions()).handleArgument(value, C_HasSuffix::no);
  EXPECT_EQ(cmdArgs.getCmdLocalEncoding(), eceSJIS);
  EXPECT_EQ(C_ProductConfigs::getFileEncoding(cmdArgs), eceSJIS);
  cmdArgs.assignToGlobalOptions();
  EXPECT_EQ(QL_getLocalEncoding(), eceSJIS);
  QL_setLocalEncoding(saved);

  const QL_Filename here = QL_Filename::create(QL_String::create("sub/file.cpp", eceNone));
  const QL_Filename elsewhere = QL_Filename::create(QL_String::create("/elsewhere/file.cpp", eceNone));
  C_Options& options = cmdArgs.getOptions();
  EXPECT_EQ(QL_getFilenameDisplayPath(options, here), U_FileStat::getCurrentDir() + "/sub/file.cpp");
  C_getArgExpandFilenames(options) = false;
  EXPECT_EQ(QL_getFilenameDisplayPath(options, here), "sub/file.cpp");
  EXPECT_EQ(QL_getFilenameDisplayPath(options, elsewhere), "/elsewhere/file.cpp");
}
