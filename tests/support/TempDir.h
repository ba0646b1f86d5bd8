#ifndef TESTS_SUPPORT_TEMPDIR_H
#define TESTS_SUPPORT_TEMPDIR_H

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Whole files, byte for byte, so line ends and odd bytes reach the code
// under test unchanged.
inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A new, empty directory under the temporary directory (TMPDIR, else /tmp),
// its name starting with `prefix`; empty when none could be made.  Every
// scratch directory of the tests is made here.
inline std::string makeScratchDirectory(const std::string& prefix = "tuk-test-") {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  std::string pattern = ((error ? std::filesystem::path("/tmp") : base) / (prefix + "XXXXXX")).string();
  return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

// A fresh directory of its own for one test, removed with everything in it
// at the end.  A test may chdir into it.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "tuk-test-") : m_path(makeScratchDirectory(prefix)) {}
  ~TempDir() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  std::string read(const std::string& name) const { return readBytes(file(name)); }
  // Writes the file and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    writeBytes(file(name), bytes);
    return file(name);
  }

 private:
  std::string m_path;
};

// Works in another directory until the end of the scope.
class InDirectory {
 public:
  explicit InDirectory(const std::string& dir) : m_old(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_old, ignored);
  }

 private:
  std::filesystem::path m_old;
};

#endif
