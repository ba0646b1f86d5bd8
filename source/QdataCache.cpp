#include <cstdlib>
#include <iostream>
#include <utility>

#include "intl/EncodingConverter.h"
#include "intl/QL_LocalEncoding.h"
#include "source/Qdata.h"
#include "source/Qgen.h"
#include "util/U_FileStat.h"

namespace {
// Text without escape sequences or 8-bit bytes reads the same in every
// supported encoding.
bool isSevenBit(const U_String& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\x1B') return false;
  }
  return true;
}
}  // namespace

namespace Qdata {

std::map<U_String, Lines>& all_files_source() {
  static std::map<U_String, Lines> cache;
  return cache;
}

std::map<U_String, Lines>& all_files_clean_source() {
  static std::map<U_String, Lines> cache;
  return cache;
}

U_String& cmd_line_cfile() {
  static U_String name;
  return name;
}

U_String& cmd_line_pp_file() {
  static U_String name;
  return name;
}

std::vector<U_String>& args_of_all_size_options() {
  static std::vector<U_String> args;
  return args;
}

const Lines& get_raw_file(const U_String& name) {
  auto& cache = all_files_source();
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  // The name is already in the internal encoding, so it is tested as is.
  if (!U_FileStat::exists(name)) {
    std::cerr << name << " does not exist.\n";
    std::cerr.flush();
    std::exit(10);
  }
  Lines lines = Qgen::load_file_as_ustringlist(name);
  // Source files are written in the local encoding; the names searched in
  // them and the report that quotes them hold the internal encoding.
  // Invalid bytes are replaced, never dropped, so line lengths stay close.
  const ExtendedCharEncoding local = QL_getLocalEncoding();
  for (U_String& line : lines) {
    if (!isSevenBit(line)) line = QL_convertToInternal(line, local);
  }
  return cache.emplace(name, std::move(lines)).first->second;
}

const Lines& get_clean_raw_file(const U_String& name) {
  auto& cache = all_files_clean_source();
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  Lines& clean = cache.emplace(name, get_raw_file(name)).first->second;
  clean_comments(&clean);
  return clean;
}

}  // namespace Qdata
