#ifndef TESTS_SOURCE_SOURCETESTFILES_H
#define TESTS_SOURCE_SOURCETESTFILES_H

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// A scratch directory of its own for each test, removed afterwards; files
// are written byte for byte so line ends and odd bytes reach the reader.
class ScratchDir {
 public:
  ScratchDir() {
    static int counter = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("tuk_source_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(m_path);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::string path = (m_path / name).string();
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path;
  }
  std::string path(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

#endif
