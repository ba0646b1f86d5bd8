#ifndef MODEL_P_OPTIONS_H
#define MODEL_P_OPTIONS_H

#include <map>

#include "util/U_String.h"

class C_Options;

// Product options ("-po NAMESPACE::OPTION"): namespace to option text, both
// interned, so keys compare by pointer; equal keys keep insertion order.
using P_OptionCont = std::multimap<const char*, const char*>;

struct Option {
  // Splits `text` at its first "::" and stores the pair; a text without
  // "::" or with nothing after it is ignored.
  static void addOption(P_OptionCont& store, const U_String& text);
  // Adds every product option of `options`, in command-line order.
  static void parseOptions(C_Options& options, P_OptionCont& store);
};

// The store, filled from the global command line on first use (on every
// use with the debug keyword "always-first").
P_OptionCont& P_getOptionCont();

// An option text is NAME, NAME+ / NAME- (boolean), or NAME VALUE / NAME=VALUE;
// the separator is the first of ' ', '+', '-', '='.
const char* P_getOptionName(const char* text);
// The value of a NAME VALUE / NAME=VALUE text; any other form ends the run
// with an assertion report.
const char* P_getOptionValue(const char* text);
// True for NAME and NAME+, false for NAME-; a valued text ends the run with
// an assertion report.
bool P_isOptionTrue(const char* text);
// The option text at `iter`; asserts it is not the end.
const char* P_getOptionData(const P_OptionCont& store, P_OptionCont::const_iterator iter);

#endif
