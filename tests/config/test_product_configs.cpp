#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "config/C_Exceptions.h"
#include "config/C_ProductConfigs.h"
#include "intl/InputFileTranslator.h"
#include "util/U_FileStat.h"

using config_test::IsolatedProduct;
using config_test::makeCmdArgs;
using config_test::RecordingHandler;
using config_test::ScopedEnv;

namespace {

// Reads a KTLPP configuration file with the given text; returns what was
// written to standard output and whether a file came back.
std::string readKtlppConfiguration(const std::string& text, U_XPtr<InputFileTranslator>* result = nullptr) {
  TempDir bin;
  bin.write("ktlpp.cfg", text);
  testing::internal::CaptureStdout();
  U_XPtr<InputFileTranslator> in = C_ProductConfigs::readConfiguration(
      eceNone, QL_String(), bin.path().c_str(), "ktlpp", C_getConfigItems(0), true);
  const std::string out = testing::internal::GetCapturedStdout();
  if (result) *result = in;
  return out;
}

}  // namespace

TEST(ProductConfigs, BinDirectoryAndOutputPath) {
  ScopedEnv env;
  env.set("KTLPPBIN", std::nullopt).set("KTLPPOUTPATH", std::nullopt);
  C_CmdArgs cmdArgs("ktlpp");
  try {
    C_ProductConfigs::getBinDirectory(cmdArgs);
    FAIL() << "no bin directory";
  } catch (const C_ConfigurationException& e) {
    EXPECT_STREQ(e.what(), "\nERROR: KTLPPBIN environment variable not found\n");
  }
  EXPECT_EQ(C_ProductConfigs::getImplicitFile(cmdArgs), "");
  env.set("KTLPPBIN", "/opt/ktlpp/bin");
  EXPECT_EQ(C_ProductConfigs::getBinDirectory(cmdArgs), "/opt/ktlpp/bin");
  EXPECT_EQ(C_ProductConfigs::getImplicitFile(cmdArgs), "/opt/ktlpp/bin/implicit.h");

  EXPECT_EQ(C_ProductConfigs::getOutputPath(cmdArgs).get(), ".");
  env.set("KTLPPOUTPATH", "/from/env");
  EXPECT_EQ(C_ProductConfigs::getOutputPath(cmdArgs).get(), "/from/env");
  C_getArgOutPath(cmdArgs.getOptions()) = "/from/option";
  EXPECT_EQ(C_ProductConfigs::getOutputPath(cmdArgs).get(), "/from/option");
}

TEST(ProductConfigs, ConfigurationSectionsAndMessages) {
  C_ConfigValues& values = C_getConfigValues();
  values = C_ConfigValues();  // help lines add up over reads
  const std::string out = readKtlppConfiguration(
      "* comment\n#Messages\nE-TEXT\nW-TEXT\nFMT $$ \\t\nextra line\n"
      "#unknownsection\nignored\n#internal\n77\n#help\nline one\nline two\n#options\n-d FROMCFG\n");
  EXPECT_EQ(out,
            "\nERROR: Unexpected configuration data: extra line\n"
            "\nERROR: Unknown section unknownsection\n");
  EXPECT_EQ(values.errorText + "|" + values.warningText + "|" + values.msgFormat + "|" +
                std::to_string(values.scopeHashSize),
            "E-TEXT|W-TEXT|FMT $ \t|77");
  testing::internal::CaptureStderr();
  cfgDisplayHelp();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "line one\nline two\n");

  U_XPtr<InputFileTranslator> rest;
  readKtlppConfiguration("#options\n-d A\n", &rest);
  ASSERT_TRUE(rest.isSet());
  U_String line;
  ASSERT_TRUE(rest->getline(line));
  EXPECT_EQ(line, "-d A") << "positioned after the options header";

  testing::internal::CaptureStderr();
  U_XPtr<InputFileTranslator> none =
      C_ProductConfigs::readConfiguration(eceNone, QL_String(), "/no/such/dir", "ktlpp", C_getConfigItems(0), true);
  EXPECT_FALSE(none.isSet());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "\nERROR: Unable to open configuration file /no/such/dir/ktlpp.cfg\n\n");
  values = C_ConfigValues();
}

TEST(ProductConfigs, ConfigurationThenRcFileThenCommandLine) {
  IsolatedProduct product;
  product.bin.write("ktlpp.cfg", "#options\n-d CFG -tabstop 2 -op /cfg\n");
  product.rc.write(".ktlpprc", "-d RC -tabstop 3\n");
  auto cmdArgs = makeCmdArgs("ktlpp", {"-d", "CMD", "-op", "/cmd"});
  RecordingHandler handler;
  cmdArgs->process(handler);
  C_Options& options = cmdArgs->getOptions();
  EXPECT_EQ(C_getArgDefines(options).getValueRepresentation(), "CFG, RC, CMD, ");
  EXPECT_EQ(static_cast<int>(C_getArgTabStop(options)), 3);
  EXPECT_EQ(C_getArgOutPath(options).str().get(), "/cmd");
}

TEST(ProductConfigs, RcFileLookupOrder) {
  TempDir cwd;
  TempDir home;
  TempDir rcPath;
  InDirectory inCwd(cwd.path());
  ScopedEnv env;
  env.set("KTLPPRCPATH", std::nullopt).set("HOME", home.path());
  C_CmdArgs cmdArgs("ktlpp");
  EXPECT_TRUE(C_ProductConfigs::getRCFile(cmdArgs).empty());
  const std::string inHome = home.write(".ktlpprc", "-d HOME\n");
  EXPECT_EQ(C_ProductConfigs::getRCFile(cmdArgs).get(), inHome);
  cwd.write(".ktlpprc", "-d CWD\n");
  EXPECT_EQ(C_ProductConfigs::getRCFile(cmdArgs).get(), U_FileStat::join(U_FileStat::getCurrentDir(), ".ktlpprc"));
  env.set("KTLPPRCPATH", "/no/such:" + rcPath.path());
  EXPECT_TRUE(C_ProductConfigs::getRCFile(cmdArgs).empty()) << "the rc path replaces the other places";
  rcPath.write(".ktlpprc", "-d PATH\n");
  EXPECT_NE(C_ProductConfigs::getRCFile(cmdArgs).get().find(rcPath.path()), std::string::npos);
  EXPECT_TRUE(C_ProductConfigs::getRCFile(C_CmdArgs("nothing")).empty());
}

TEST(ProductConfigs, QuietEntriesSuppressFilesButNotMainSources) {
  IsolatedProduct product;
  TempDir src;
  std::filesystem::create_directories(src.file("lib/deep"));
  src.write("lib/a.h", "");
  src.write("lib/deep/b.h", "");
  auto cmdArgs = makeCmdArgs("ktlpp", {"-q", src.file("lib").c_str(), "-quiet", (src.path() + "/*.hpp").c_str(),
                                       "-q", src.file("single.h").c_str(), src.file("lib/main.h").c_str()});
  C_OrphanFileHandler files;
  cmdArgs->process(files);
  cmdArgs->assignToGlobalOptions();
  // Everything below a directory entry, which is no text prefix; pattern
  // entries match the full path; a main source file is never suppressed.
  for (const auto& [file, expected] : std::vector<std::pair<const char*, bool>>{
           {"lib/a.h", true}, {"lib/deep/b.h", true}, {"x/y.hpp", true}, {"single.h", true}, {"single.hh", false},
           {"libx/a.h", false}, {"lib/main.h", false}, {"other.h", false}})
    EXPECT_EQ(C_isSuppressedFile(QL_Filename::create(QL_String::create(src.file(file), eceNone))), expected) << file;
}

TEST(ProductConfigs, TemporaryDirectory) {
  TempDir tmp;
  ScopedEnv env;
  env.set("KTLPPTEMPFILES", std::nullopt).set("TMPDIR", tmp.path());
  C_CmdArgs cmdArgs("ktlpp");
  EXPECT_EQ(C_ProductConfigs::getTemporaryDirectory(cmdArgs).get(), tmp.path());
  env.set("TMPDIR", "/no/such/dir");
  EXPECT_EQ(C_ProductConfigs::getTemporaryDirectory(cmdArgs).get(), "/var/tmp/") << "the fallback";
  env.set("KTLPPTEMPFILES", "/no/such/dir");
  try {
    C_ProductConfigs::getTemporaryDirectory(cmdArgs);
    FAIL() << "unusable product directory accepted";
  } catch (const U_Exception& e) {
    EXPECT_STREQ(e.what(),
                 "Error finding temporary directory:\n"
                 "\tTried directory from environment variable KTLPPTEMPFILES: /no/such/dir\n");
  }
}

// The configuration files shipped with the program read without complaint,
// name their own product in the help and set the message texts (MRV has no
// message section).
TEST(ProductConfigs, ShippedConfigurationFilesAreClean) {
  const std::string dir = std::string(TUK_TEST_DATA_DIR) + "/../../config/products";
  const std::pair<std::string, const char*> products[] = {
      {"ktlpp", "++ ERROR ++"}, {"ktl", "++ ERROR ++"}, {"mrv", "not read"}, {"znt", "++ ERROR ++"}};
  C_ConfigValues& values = C_getConfigValues();
  for (int product = 0; product < 4; ++product) {
    const std::string& name = products[product].first;
    values = C_ConfigValues();
    values.errorText = "not read";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    U_XPtr<InputFileTranslator> in = C_ProductConfigs::readConfiguration(
        eceNone, QL_String(), dir.c_str(), name.c_str(), C_getConfigItems(product), true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << name;
    ASSERT_TRUE(in.isSet()) << name;
    ASSERT_FALSE(values.help.empty()) << name;
    EXPECT_EQ(values.help[0].rfind("Usage: template_usage.kxdf.generator " + name + " ", 0), 0u) << name;
    EXPECT_EQ(values.errorText, products[product].second) << name;
  }
  values = C_ConfigValues();
}
