// The configuration layer's readers: the product configuration file, the
// rc file, an argument ("-via") file and command-line words, processed the
// way a run processes them, and option matching (matchArg) against every
// product's table.  An input is the configuration file, the rc file, the
// argument file and the command-line words (one per line), separated by
// lines "%%".  Configuration errors are expected results; any other
// exception, an assertion or a crash is a finding.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"
#include "util/U_Exception.h"

namespace {

const char* const kProducts[] = {"KTLPP", "KTL", "MRV", "ZNT"};
// matchArg is checked against a search of the whole table, which costs
// more than the rest of an input: only the first words are checked.
constexpr size_t kMatchedWords = 8;

// Takes the words that are not options (the input files of a run).
class WordHandler : public C_OrphanHandler {
 public:
  void handleArg(C_CmdArgs&, const U_String& word) override { m_count += word.empty() ? 0 : 1; }
  bool empty() const override { return m_count == 0; }

 private:
  size_t m_count = 0;
};

// This process's product directory (configuration file), rc directory and
// argument file, made once and removed when the process ends.
struct Scratch {
  std::string dir, bin, rc, via;
};

const Scratch& scratch() {
  static const Scratch s = [] {
    Scratch made;
    made.dir = fuzz::scratchPath("config", "");
    made.bin = made.dir + "/bin";
    made.rc = made.dir + "/rc";
    made.via = made.dir + "/args.via";
    for (const std::string& d : {made.dir, made.bin, made.rc}) mkdir(d.c_str(), 0700);
    for (const std::string& d : {made.bin, made.rc}) fuzz::removeAtExit(d);
    for (const std::string& f : {made.bin + "/ktlpp.cfg", made.rc + "/.ktlpprc", made.via}) fuzz::removeAtExit(f);
    return made;
  }();
  return s;
}

// The longest spelling of the table that prefixes text, ignoring case,
// found by looking at every row.  Left out of the coverage feedback: it
// only checks, and it is the costliest part of an input.
__attribute__((no_sanitize("coverage"))) size_t longestSpelling(const char* text, const C_OptionMapping* table,
                                                                int rows) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  size_t best = 0;
  for (int row = 0; row < rows; ++row) {
    const char* spelling = table[row].spelling;
    size_t length = 0;
    while (spelling[length] != '\0' && lower(spelling[length]) == lower(text[length])) ++length;
    if (spelling[length] == '\0' && length > best) best = length;
  }
  return best;
}

void checkMatching(const U_String& word) {
  static std::vector<U_BPtr<C_CmdArgs>>* products = [] {
    auto* made = new std::vector<U_BPtr<C_CmdArgs>>();
    for (const char* name : kProducts) made->push_back(new C_CmdArgs(name));
    return made;
  }();
  const char* text = word.c_str() + (word[0] == '-' ? 1 : 0);
  for (const U_BPtr<C_CmdArgs>& cmdArgs : *products) {
    int rows = 0;
    const C_OptionMapping* table = C_getArgumentTable(cmdArgs->getProductIndex(), rows);
    int length = -1;
    const C_OptionBase* option = matchArg(*cmdArgs, text, length, table, rows);
    FUZZ_CHECK(length >= 0 && static_cast<size_t>(length) == longestSpelling(text, table, rows));
    FUZZ_CHECK((option != nullptr) == (length > 0));
  }
}

void process(const std::vector<U_String>& words) {
  std::vector<const char*> argv;
  for (const U_String& w : words) argv.push_back(w.c_str());
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("KTLPP", static_cast<int>(argv.size()), argv.data());
  WordHandler handler;
  try {
    cmdArgs->process(handler);
    // The settings display shows every option's value as read.
    static std::FILE* nowhere = std::fopen("/dev/null", "w");
    cmdArgs->assignToGlobalOptions();
    argDisplaySettings(nowhere);
  } catch (const U_AssertException&) {
    throw;
  } catch (const U_Exception&) {
    // A configuration error: the run reports it and ends with its code.
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const Scratch& s = scratch();
  setenv("KTLPPBIN", s.bin.c_str(), 1);
  setenv("KTLPPRCPATH", s.rc.c_str(), 1);
  unsetenv("KTLPPOUTPATH");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzz::splitParts(fuzz::asText(data, size), "\n%%\n", 4);
  const Scratch& s = scratch();
  if (!fuzz::writeFile(s.bin + "/ktlpp.cfg", parts[0]) ||
      !fuzz::writeFile(s.rc + "/.ktlpprc", parts.size() > 1 ? parts[1] : "") ||
      !fuzz::writeFile(s.via, parts.size() > 2 ? parts[2] : "")) {
    return 0;
  }
  std::vector<U_String> words;
  if (parts.size() > 3) {
    for (std::string_view line : fuzz::splitLines(parts[3])) {
      // Words of a command line are C strings.
      words.emplace_back(line.substr(0, line.find('\0')));
      if (!words.back().empty() && words.size() <= kMatchedWords) checkMatching(words.back());
    }
  }
  words.push_back("-via");
  words.push_back(s.via);
  process(words);
  return 0;
}
