#include "report/ReportOptionsSection.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "config/C_Options.h"
#include "model/PI_Interface.h"
#include "report/OutputFormat.h"
#include "report/ReportOptions.h"
#include "report/Xutil.h"
#include "util/U_FileStat.h"
#include "util/U_ReplacingFile.h"

namespace ReportOptionsSection {

namespace {

const size_t kWrapWidth = 66;
const U_String kContinuationIndent(24, ' ');
const U_String kWrapIndent(25, ' ');

bool starts_with(const U_String& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Options whose values are report options ("namespace::option").
bool is_report_option_line(const U_String& line) {
  return starts_with(line, "-po") || starts_with(line, "-paloption") ||
         starts_with(line, "-prodoption") || starts_with(line, "-ko") ||
         starts_with(line, "ktlppoption");
}

// The report's own options are not analysis settings.
bool is_report_term(const U_String& term) {
  U_String key = term.substr(0, term.find("::"));
  key.erase(0, key.find_first_not_of(' ') == U_String::npos ? key.size()
                                                            : key.find_first_not_of(' '));
  return key == "Template Usage Report" || key == "General Report" || key == "mxo";
}

// Characters that may stay together when a line is wrapped.
bool is_word_char(char c) {
  static const U_String kWord =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-.%";
  return kWord.find(c) != U_String::npos;
}

U_String settings_file_path() {
  const char* dir = PI_getPALOutputPath(1);
  return U_FileStat::join(dir ? U_String(dir) : U_String(), "xmlreports_setting_tmp");
}

void write_verbatim(OutputFormat* writer, const std::vector<U_String>& lines) {
  writer->verbatimStart();
  for (const U_String& line : lines) writer->verbatimLine(line);
  writer->verbatimEnd();
}

}  // namespace

std::vector<U_String> layoutSettingsLine(const U_String& line) {
  if (starts_with(line, "-format")) return {line};
  std::vector<U_String> terms = Xutil::split_string_allowing_specific_quoted_terms(",", line, '"');
  if (is_report_option_line(line) && !terms.empty()) {
    std::vector<U_String> kept{terms.front()};
    for (size_t i = 1; i < terms.size(); ++i)
      if (!is_report_term(terms[i])) kept.push_back(terms[i]);
    terms.swap(kept);
  }
  if (terms.empty()) return {};
  if (terms.size() == 1) return {terms[0]};
  if (terms.size() == 2) {
    if (terms[1].find_first_not_of(' ') == U_String::npos) return {terms[0]};
    return {terms[0] + ",", kContinuationIndent + terms[1]};
  }
  std::vector<U_String> out{terms.front() + ","};
  for (size_t i = 1; i + 1 < terms.size(); ++i)
    out.push_back(kContinuationIndent + terms[i] + ",");
  out.push_back(kContinuationIndent + terms.back());
  return out;
}

std::vector<U_String> wrapSettingsLine(const U_String& line) {
  std::vector<U_String> out;
  U_String rest = line, lead;
  bool first = true;
  while (rest.size() > kWrapWidth - lead.size()) {
    const size_t width = kWrapWidth - lead.size();
    size_t p = U_String::npos;
    for (size_t i = width + 1; i-- > 0;) {
      if (i < rest.size() && !is_word_char(rest[i])) {
        p = i;
        break;
      }
    }
    if (p == U_String::npos) break;
    const size_t cut = (p <= lead.size() ? width : p) + 1;
    const U_String piece = rest.substr(0, cut);
    if (!(first && piece.find_first_not_of(' ') == U_String::npos)) out.push_back(lead + piece);
    first = false;
    rest = rest.substr(cut);
    lead = kWrapIndent;
  }
  if (!rest.empty()) out.push_back(lead + rest);
  return out;
}

void writePersonSettingsLine(OutputFormat* writer, const U_String& line) {
  for (const U_String& piece : wrapSettingsLine(line)) writer->verbatimLine(piece);
}

// The settings file is opened without following a symbolic link, so a link
// left in the output directory cannot send the text elsewhere.
static FILE* openSettingsFile(const U_String& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  FILE* out = ::fdopen(fd, "w");
  if (out == nullptr) ::close(fd);
  return out;
}

void writePersonSettings(OutputFormat* writer) {
  const U_String path = settings_file_path();
  FILE* out = openSettingsFile(path);
  if (out == nullptr) {
    std::cerr << "Failed to get personality settings" << std::endl;
    return;
  }
  argDisplaySettings(out);
  const bool written = std::ferror(out) == 0;
  if (std::fclose(out) != 0 || !written) {
    const int error = errno;
    std::remove(path.c_str());
    throw U_CannotWriteException(path, error);
  }
  std::ifstream in(path.c_str());
  if (!in) {
    std::cerr << "Failed to open " << path << " to read personality settings" << std::endl;
    return;
  }
  writer->verbatimStart();
  U_String line;
  while (std::getline(in, line))
    for (const U_String& piece : layoutSettingsLine(line)) writePersonSettingsLine(writer, piece);
  in.close();
  std::remove(path.c_str());
  writer->verbatimEnd();
}

void writeTemplate_Usage_ReportOptions(OutputFormat* writer) {
  write_verbatim(writer, ReportOptions::template_usage_getOptions().dumpSettings());
}

void writeGeneralReportOptions(OutputFormat* writer) {
  write_verbatim(writer, ReportOptions::getOptions().dumpSettings());
}

}  // namespace ReportOptionsSection
