// Name rendering, name patterns with their index, and statement
// extraction.  An input is a list of names, one per line, then a line
// "%%" and a source text.  Every name is rendered and turned into a
// pattern; the pattern index must find exactly the patterns the plain
// matcher accepts; name k is looked for on line k + 1 of the source text.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "report/Pattern_Index.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"
#include "source/Qdata.h"

namespace {

// Bounds the quadratic index check and the statement searches.
constexpr size_t kMaxPatterns = 200;
constexpr size_t kMaxStatements = 16;

void checkRendering(const U_String& name) {
  U_String last, head;
  Util::get_last_term(name, last, head);
  FUZZ_CHECK(head + last == name);
  const U_String rendered = Util::rendered_name_of(name);
  Util::object_name_of(rendered);
  FUZZ_CHECK(Util::trim_function_arg_list(name).size() <= name.size());
  FUZZ_CHECK(Util::strip(name).size() <= name.size());
  Template_Usage_Generate::normalise_term(name);
}

// The index must give, in adding order, the patterns the matcher accepts.
void checkIndex(const std::vector<U_String>& patterns) {
  Pattern_Index index;
  for (const U_String& p : patterns) index.add(p);
  for (const U_String& n : patterns) {
    std::vector<size_t> expected;
    for (size_t pos = 0; pos < patterns.size(); ++pos)
      if (Template_Usage_Generate::match_template_parameters(patterns[pos], n)) expected.push_back(pos);
    FUZZ_CHECK(index.matches(n) == expected);
    FUZZ_CHECK(index.first_match(n) == (expected.empty() ? index.size() : expected.front()));
  }
}

// Every fragment line is "prefix NUMBER: raw line", numbers rising.
void checkStatement(const U_String& fragment, const std::vector<U_String>& raw) {
  const U_String prefix = "> ";
  long previous = 0;
  for (std::string_view line : fuzz::splitLines(fragment)) {
    FUZZ_CHECK(line.substr(0, prefix.size()) == prefix);
    line.remove_prefix(prefix.size());
    const size_t colon = line.find(": ");
    FUZZ_CHECK(colon != std::string_view::npos);
    const long number = std::stol(std::string(line.substr(0, colon)));
    FUZZ_CHECK(number > previous && number <= static_cast<long>(raw.size()));
    previous = number;
  }
}

void checkStatements(const std::vector<U_String>& names, std::string_view source) {
  std::vector<U_String> raw;
  for (std::string_view line : fuzz::splitLines(source)) raw.emplace_back(line);
  std::vector<U_String> clean = raw;
  Qdata::clean_comments(&clean);
  FUZZ_CHECK(clean.size() == raw.size());
  for (size_t i = 0; i < raw.size(); ++i) FUZZ_CHECK(clean[i].size() == raw[i].size());
  for (size_t k = 0; k < names.size() && k < kMaxStatements; ++k) {
    const U_String object = Util::object_name_of(Util::rendered_name_of(names[k]));
    const int line = static_cast<int>(k) + 1;
    checkStatement(Util::get_statement_in_lines(object, line, clean, raw, "> "), raw);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzz::splitParts(fuzz::asText(data, size), "\n%%\n", 2);
  std::vector<U_String> names, patterns;
  for (std::string_view line : fuzz::splitLines(parts[0])) {
    names.emplace_back(line);
    checkRendering(names.back());
    if (patterns.size() < kMaxPatterns) patterns.push_back(Template_Usage_Generate::norm(names.back()));
  }
  checkIndex(patterns);
  if (parts.size() > 1) checkStatements(names, parts[1]);
  return 0;
}
