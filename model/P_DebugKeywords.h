#ifndef MODEL_P_DEBUGKEYWORDS_H
#define MODEL_P_DEBUGKEYWORDS_H

#include "util/U_String.h"

// Debug keywords the model's readers consult.  The "show-" switches are
// looked up once, on first use, and remembered for the run.
bool P_showSymbolErrors();
bool P_showRelationErrors();
bool P_showExtvErrors();
bool P_showMetricErrors();
// Makes the "show-" switches look the keywords up again on their next use.
// A run never needs it; tests that change the keywords in one process do.
void P_rereadShowSwitches();

// The source log: keyword "log", and the first "log-file=PATH" entry.
bool P_isSourceLogOn();
// The PATH of the first "log-file=" entry, empty when there is none.
U_String P_getSourceLogFile();
// "always-first": rebuild the product option store on every request.
bool P_isAlwaysFirst();

#endif
