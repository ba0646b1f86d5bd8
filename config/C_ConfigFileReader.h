#ifndef CONFIG_C_CONFIGFILEREADER_H
#define CONFIG_C_CONFIGFILEREADER_H

#include "intl/InputFileTranslator.h"
#include "util/U_String.h"

// Reads one line whole, however long, with its newline when the line had
// one.  A line ending in a backslash is joined with the next line.  False
// at the end of the file.
bool readLine(U_String& line, InputFileTranslator& file);

// Rewrites text in place: with expandVariables "$$" gives "$" and $NAME or
// ${NAME} the variable's value (nothing when unset); with processEscapes a
// backslash before n or t gives a newline or a tab and before any other
// character that character.  With stopAtNewline the text ends at its first
// newline.  The result is kept whole, however long.
void translateData(U_String& text, bool stopAtNewline, bool expandVariables, bool processEscapes);

// Splits an argument file into words: white space separates words, quotes
// keep spaces, a backslash makes the next character literal, lines
// starting with "*" are comments.
class C_ConfigFileReader {
 public:
  // The next word, or an empty word at the end of the file.
  U_String getNextFileToken(InputFileTranslator& file, bool expandVariables);
  // The next character of the current line, reading lines as needed; -1 at
  // the end of the file.
  int getChar(InputFileTranslator& file, bool expandVariables);
  // Skips white space; the first other character or -1.
  int skipWhite(InputFileTranslator& file, bool expandVariables);
  // Appends characters up to endChar or a newline (neither appended);
  // returns the character that ended the run, or -1.
  int copyToChar(InputFileTranslator& file, int endChar, U_String& out, bool expandVariables);

 private:
  U_String m_line;
  size_t m_position = 0;
};

#endif
