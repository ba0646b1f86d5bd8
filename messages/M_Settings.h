#ifndef MESSAGES_M_SETTINGS_H
#define MESSAGES_M_SETTINGS_H

#include <set>

#include "util/U_Filename.h"
#include "util/U_String.h"

// The options of the run that the message layer acts on, read from the
// process-wide command line.  Without one (a tool or a test that set none
// up) every option has its default.
namespace M_Settings {
bool hasDebug(const char* keyword);
// The option lists, read once and cached (see reset()).
const std::set<int>& onlyMsgs();
const std::set<int>& noMsgs();
const std::set<int>& suppressedLevels();
bool hiddenWarnings();
bool hdrSuppress();
bool hideMacroWarnings();  // read once and cached
bool noGen();
bool showAlias();
int tabStop();
// The "format" option; empty when not given.
U_String format();
U_String outputPath();

// Display path of a file name (depends on "expandfilenames").
U_String displayPath(const U_Filename& file);
bool isMainSourceFile(const U_Filename& file);
bool isSuppressedFile(const U_Filename& file);

// Forgets the cached values, so the next query reads the options again.
void reset();
}  // namespace M_Settings

#endif
