#ifndef APP_VERSION_H
#define APP_VERSION_H

#include "util/U_String.h"

// The program's short version line, answered by "-ver" before anything else.
extern const char* const QL_programName;     // "template_usage.kxdf.generator"
extern const char* const QL_programVersion;  // "1.0"

// Writes text to standard output the first time it is called in a run
// (whoever asks first: "-ver" variants, the version option or "-help").
void PrintVersion(const char* text);

// Prints text once when any argument after the first starts with "-ver"
// in any letter case.  Never ends the process.
void VersionRequest(int argc, const char** argv, const char* text);

// True once the version text has been printed in this run.
bool QL_isVersionPrinted();

// A compiler build date ("Mmm dd yyyy") in the banner's form: three-letter
// month, day padded to two places by a blank, four-digit year.  A text
// that does not look like a date is returned unchanged.
U_String QL_formatBuildDate(const char* compilerDate);

// The two-line version banner of the program, with the build date.
const U_String& PAL_versionBanner();

#endif
