#ifndef TESTS_MODEL_READER_TEST_UTIL_H
#define TESTS_MODEL_READER_TEST_UTIL_H

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"

// Directories made by the tests, removed when the test program ends.
struct ReaderTestDirs {
  std::vector<std::string> made;
  ~ReaderTestDirs() {
    std::error_code ignored;
    for (const std::string& dir : made) std::filesystem::remove_all(dir, ignored);
  }
};

// A fresh directory under /tmp for one test's record files.
inline std::string readerTestMakeDir() {
  static ReaderTestDirs dirs;
  char pattern[] = "/tmp/tuk_reader_XXXXXX";
  const char* dir = mkdtemp(pattern);
  if (dir == nullptr) return std::string("/tmp");
  dirs.made.push_back(dir);
  return dir;
}

// Writes `bytes` exactly (binary, no newline translation).
inline void readerTestWriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline QL_Filename readerTestFilename(const std::string& path) {
  return QL_Filename::create(QL_String::create(path, eceEUC));
}

#endif
