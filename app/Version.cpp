#include "app/Version.h"

#include <cstdio>
#include <cstring>
#include <iostream>

const char* const QL_programName = "template_usage.kxdf.generator";
const char* const QL_programVersion = "1.0";

namespace {

bool& versionPrinted() {
  static bool printed = false;
  return printed;
}

const char* const kMaker = "Halcyra";

}  // namespace

bool QL_isVersionPrinted() { return versionPrinted(); }

void PrintVersion(const char* text) {
  if (versionPrinted()) return;
  std::cout << (text ? text : "");
  std::cout.flush();
  versionPrinted() = true;
}

void VersionRequest(int argc, const char** argv, const char* text) {
  if (argc < 2 || !argv) return;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] && U_strnicmp(argv[i], "-ver", 4) == 0) PrintVersion(text);
  }
}

U_String QL_formatBuildDate(const char* compilerDate) {
  if (!compilerDate) return U_String();
  char month[4] = {0};
  int day = 0;
  int year = 0;
  int used = 0;
  if (std::sscanf(compilerDate, "%3s %d %d%n", month, &day, &year, &used) != 3 ||
      compilerDate[used] != '\0' || std::strlen(month) != 3 || day < 1 || day > 31 ||
      year < 0 || year > 9999) {
    return compilerDate;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%s %2d %04d", month, day, year);
  return text;
}

const U_String& PAL_versionBanner() {
  static const U_String banner = U_String("Template Usage KXDF Generator ") + QL_programVersion +
                                 " " + QL_formatBuildDate(__DATE__) + " for Unix\n" +
                                 "Copyright (c) " + kMaker + ". All rights reserved.\n";
  return banner;
}
