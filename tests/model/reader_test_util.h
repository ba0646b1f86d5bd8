#ifndef TESTS_MODEL_READER_TEST_UTIL_H
#define TESTS_MODEL_READER_TEST_UTIL_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "config/C_Options.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "model/M_RecordFile.h"
#include "model/P_DebugKeywords.h"
#include "TempDir.h"

// A fresh scratch directory for one test's record files, removed when the
// test program ends (the model keeps the names of files it read).
inline std::string readerTestMakeDir() {
  static std::vector<std::unique_ptr<TempDir>> dirs;
  dirs.push_back(std::make_unique<TempDir>("tuk-reader-"));
  return dirs.back()->path();
}

// Text and file names as the reader takes them.
inline QL_String text(const std::string& s) { return QL_String::create(s, eceEUC); }
inline QL_Filename readerTestFilename(const std::string& path) {
  return QL_Filename::create(QL_String::create(path, eceEUC));
}

// Every line of a record file read in `encoding`; the read must not fail.
inline std::vector<std::string> readLines(const std::string& path, ExtendedCharEncoding encoding = eceEUC) {
  M_RecordFile file(text(path), encoding);
  std::vector<std::string> lines;
  U_String line;
  while (file.getline(line)) lines.push_back(line);
  EXPECT_FALSE(file.hasReadError()) << path;
  return lines;
}

// Sets the debug keywords of the global command line for one scope.  The
// model's show switches are read afresh at both ends, so later tests see
// them off again.
struct DebugKeywords {
  explicit DebugKeywords(std::vector<U_String> words) {
    C_getArgDebug() = std::move(words);
    P_rereadShowSwitches();
  }
  ~DebugKeywords() {
    C_getArgDebug() = std::vector<U_String>();
    P_rereadShowSwitches();
  }
};

#endif
