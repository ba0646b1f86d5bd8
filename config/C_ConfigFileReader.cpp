#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "config/C_ConfigFileReader.h"

namespace {

// Appends the next physical line, whole, through its newline; false when
// the file had nothing left.
bool readPhysical(U_String& line, InputFileTranslator& file) {
  bool any = false;
  for (;;) {
    int c = file.getChar();
    if (c == EOF) break;
    any = true;
    line += static_cast<char>(c);
    if (c == '\n') break;
  }
  return any;
}

bool endsWithContinuation(const U_String& line) {
  return line.size() > 1 && line[line.size() - 1] == '\n' && line[line.size() - 2] == '\\';
}

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool isWhite(int c) { return c != -1 && std::isspace(static_cast<unsigned char>(c)); }

// Replaces the variable reference starting at text[i] ("$"); returns the
// position after it, or npos when a "${" has no closing brace.
size_t expandVariable(const U_String& text, size_t i, size_t end, U_String& out) {
  if (i + 1 < end && text[i + 1] == '$') {
    out += '$';
    return i + 2;
  }
  U_String name;
  size_t next = i + 1;
  if (next < end && text[next] == '{') {
    size_t close = text.find('}', next + 1);
    if (close == U_String::npos || close >= end) return U_String::npos;
    name = text.substr(next + 1, close - next - 1);
    next = close + 1;
  } else {
    while (next < end && isNameChar(text[next])) name += text[next++];
    if (name.empty()) {
      out += '$';
      return i + 1;
    }
  }
  if (const char* value = std::getenv(name.c_str())) out += value;
  return next;
}

char escapedChar(char c) {
  if (c == 'n') return '\n';
  if (c == 't') return '\t';
  return c;
}

}  // namespace

bool readLine(U_String& line, InputFileTranslator& file) {
  line.clear();
  if (!readPhysical(line, file)) return false;
  while (endsWithContinuation(line)) {
    line.resize(line.size() - 2);
    if (!readPhysical(line, file)) break;
  }
  return true;
}

void translateData(U_String& text, bool stopAtNewline, bool expandVariables, bool processEscapes) {
  size_t end = text.size();
  if (stopAtNewline) end = std::min(end, text.find('\n'));
  U_String out;
  size_t i = 0;
  while (i < end) {
    const char c = text[i];
    if (expandVariables && c == '$') {
      size_t next = expandVariable(text, i, end, out);
      if (next == U_String::npos) {
        std::printf("\nERROR: Badly formed variable substitution:\n\t%s\n", text.c_str());
        // The rest of the line is dropped; its newline still ends the line.
        size_t newline = text.find('\n', i);
        if (!stopAtNewline && newline != U_String::npos) out += '\n';
        break;
      }
      i = next;
    } else if (processEscapes && c == '\\' && i + 1 < end) {
      out += escapedChar(text[i + 1]);
      i += 2;
    } else {
      out += c;
      ++i;
    }
  }
  text.swap(out);
}

int C_ConfigFileReader::getChar(InputFileTranslator& file, bool expandVariables) {
  while (m_position >= m_line.size()) {
    m_position = 0;
    if (!readLine(m_line, file)) {
      m_line.clear();
      return -1;
    }
    if (m_line[0] == '*') {
      m_line.clear();
      continue;
    }
    translateData(m_line, false, expandVariables, true);
  }
  return static_cast<unsigned char>(m_line[m_position++]);
}

int C_ConfigFileReader::skipWhite(InputFileTranslator& file, bool expandVariables) {
  int c = getChar(file, expandVariables);
  while (isWhite(c)) c = getChar(file, expandVariables);
  return c;
}

int C_ConfigFileReader::copyToChar(InputFileTranslator& file, int endChar, U_String& out,
                                   bool expandVariables) {
  for (;;) {
    int c = getChar(file, expandVariables);
    if (c == -1 || c == endChar || c == '\n') return c;
    out += static_cast<char>(c);
  }
}

// An empty quoted word ("") is skipped, since an empty word would end the
// file's words.
U_String C_ConfigFileReader::getNextFileToken(InputFileTranslator& file, bool expandVariables) {
  for (;;) {
    int c = skipWhite(file, expandVariables);
    if (c == -1) return U_String();
    U_String word;
    while (c != -1 && !isWhite(c)) {
      if (c == '"' || c == '\'') {
        if (copyToChar(file, c, word, expandVariables) != c) break;  // unterminated: ends the word
      } else if (c == '\\') {
        c = getChar(file, expandVariables);
        if (c == -1) break;
        word += static_cast<char>(c);
      } else {
        word += static_cast<char>(c);
      }
      c = getChar(file, expandVariables);
    }
    if (!word.empty()) return word;
  }
}
