#ifndef MESSAGES_M_FORMATMESSAGE_H
#define MESSAGES_M_FORMATMESSAGE_H

#include "messages/M_Diagnostic.h"
#include "util/U_BPtr.h"
#include "util/U_String.h"

// The format of the formatted-text output when the "format" option is empty.
extern const char* const M_DEFAULT_MESSAGE_FORMAT;

// Turns a diagnostic into one line of text with a format of the message
// format language.  A malformed format gives "Error in format string '...'".
U_String M_formatMessage(const U_String& format, const U_BPtr<M_Diagnostic>& diag, int subLevel);

// Forgets the previous location remembered by "%q".
void M_resetMessageFormatter();

// The message text with the diagnostic's parameters put in place of
// "%1".."%9" (verbose text when VERBOSE is set).
U_String M_formatAndAddParameter(const M_Diagnostic& diag, bool verbose);

#endif
