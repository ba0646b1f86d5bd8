#ifndef TESTS_MESSAGES_MESSAGESTESTSUPPORT_H
#define TESTS_MESSAGES_MESSAGESTESTSUPPORT_H

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/C_CmdArgs.h"
#include "messages/M_Diagnostic.h"
#include "messages/M_Settings.h"
#include "util/U_Filename.h"
#include "util/U_Location.h"

namespace messages_test {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tuk-messages-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    m_path = made ? made : "";
  }
  ~TempDir() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

inline U_Location loc(const std::string& file, int line, int col) {
  return U_Location(U_Filename::getString(file), line, col);
}

inline U_BPtr<M_Diagnostic> diag(int msgNo, const U_Location& at) { return new M_Diagnostic(msgNo, at); }

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Big-endian 32-bit integer bytes, as error files hold them.
inline std::string be32(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  return std::string{char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
}

// Makes a fresh command line with the given options edit the global one,
// and forgets the message layer's cached option values.
template <class Edit>
void setGlobalOptions(Edit edit) {
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("ktlpp");
  edit(cmdArgs->getOptions());
  cmdArgs->assignToGlobalOptions();
  M_Settings::reset();
}

inline void resetGlobalOptions() {
  setGlobalOptions([](C_Options&) {});
}

}  // namespace messages_test

#endif
