#ifndef TESTS_CONFIG_CONFIGTESTSUPPORT_H
#define TESTS_CONFIG_CONFIGTESTSUPPORT_H

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "config/C_CmdArgs.h"

namespace config_test {

// Sets (or unsets, with nullopt) environment variables for one test.
class ScopedEnv {
 public:
  ScopedEnv& set(const char* name, std::optional<std::string> value) {
    if (!m_saved.count(name)) {
      const char* old = std::getenv(name);
      m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    apply(name, value);
    return *this;
  }
  ~ScopedEnv() {
    for (auto& [name, value] : m_saved) apply(name.c_str(), value);
  }

 private:
  static void apply(const char* name, const std::optional<std::string>& value) {
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  std::map<std::string, std::optional<std::string>> m_saved;
};

// A KTLPP environment with no configuration or rc file in reach unless a
// test writes one: KTLPPBIN and KTLPPRCPATH point at an empty directory.
struct IsolatedProduct {
  TempDir bin;
  TempDir rc;
  ScopedEnv env;
  IsolatedProduct() {
    env.set("KTLPPBIN", bin.path()).set("KTLPPRCPATH", rc.path()).set("KTLPPOUTPATH", std::nullopt);
    bin.write("ktlpp.cfg", "* empty configuration\n");
  }
};

// Records non-option words in order.
class RecordingHandler : public C_OrphanHandler {
 public:
  void handleArg(C_CmdArgs&, const U_String& word) override { words.push_back(word); }
  bool empty() const override { return words.empty(); }
  std::vector<std::string> words;
};

inline U_BPtr<C_CmdArgs> makeCmdArgs(const char* product, const std::vector<const char*>& words) {
  return new C_CmdArgs(product, static_cast<int>(words.size()), words.data());
}

}  // namespace config_test

#endif
