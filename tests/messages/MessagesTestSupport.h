#ifndef TESTS_MESSAGES_MESSAGESTESTSUPPORT_H
#define TESTS_MESSAGES_MESSAGESTESTSUPPORT_H

#include <cstdint>
#include <string>

#include "TempDir.h"
#include "config/C_CmdArgs.h"
#include "messages/M_Diagnostic.h"
#include "messages/M_Output.h"
#include "messages/M_OutputTessel.h"
#include "messages/M_Settings.h"
#include "util/U_Filename.h"
#include "util/U_Location.h"

namespace messages_test {

inline U_Location loc(const std::string& file, int line, int col) {
  return U_Location(U_Filename::getString(file), line, col);
}

inline U_BPtr<M_Diagnostic> diag(int msgNo, const U_Location& at) { return new M_Diagnostic(msgNo, at); }

// Big-endian 32-bit integer bytes, as error files hold them.
inline std::string be32(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  return std::string{char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
}

// Writes the error file `name` with a fresh writer that `fill` feeds.
template <class Writer = M_OutputTessel2, class Fill>
void writeErr(const std::string& name, Fill fill) {
  Writer out;
  out.open_errfile(name);
  fill(out);
  out.close();
}

// A diagnostic output that logs what reaches it, each diagnostic as its
// number followed by "e" for an error and "s" when suppressed, then a blank.
class RecordingSink : public M_OutputBase {
 public:
  explicit RecordingSink(std::string& log) : m_log(log) {}
  void close() override {}
  void information(const U_BPtr<M_Diagnostic>& d, bool s) override { log(d, s ? "s " : " "); }
  void error(const U_BPtr<M_Diagnostic>& d, bool s) override { log(d, s ? "es " : "e "); }
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>&) override {}

 private:
  void log(const U_BPtr<M_Diagnostic>& d, const char* flags) { m_log += std::to_string(d->getMsgNo()) + flags; }
  std::string& m_log;
};

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
