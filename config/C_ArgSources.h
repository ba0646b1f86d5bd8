#ifndef CONFIG_C_ARGSOURCES_H
#define CONFIG_C_ARGSOURCES_H

#include <deque>
#include <streambuf>
#include <vector>

#include "config/C_ConfigFileReader.h"
#include "intl/InputFileTranslator.h"
#include "intl/QL_String.h"
#include "util/ExtendedCharEncoding.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"
#include "util/U_String.h"
#include "util/U_XPtr.h"

// A supply of words; an empty word means the supply is exhausted.
class C_ArgsSource : public U_Ref {
 public:
  virtual U_String getWord(bool expandVariables) = 0;
  // The real path of the file the words come from, once reading it has
  // begun; empty before that and for other sources.
  virtual U_String getPathInReading() const { return U_String(); }
};

// The words of a vector, verbatim.
class C_ArgvSource : public C_ArgsSource {
 public:
  explicit C_ArgvSource(const std::vector<U_String>& words) : m_words(words) {}
  C_ArgvSource(int count, const char* const* words);
  U_String getWord(bool expandVariables) override;

 private:
  std::vector<U_String> m_words;
  size_t m_next = 0;
};

// The words of an argument file.  A file that is not a readable regular
// file yields no words.
class C_FileSource : public C_ArgsSource {
 public:
  C_FileSource(const QL_String& file, ExtendedCharEncoding encoding, const QL_String& temporaryDirectory);
  explicit C_FileSource(const U_XPtr<InputFileTranslator>& opened);
  U_String getWord(bool expandVariables) override;
  U_String getPathInReading() const override { return m_started ? m_realPath : U_String(); }

 private:
  U_XPtr<InputFileTranslator> m_file;
  U_String m_realPath;
  bool m_started = false;
  C_ConfigFileReader m_reader;
};

// A stack of word sources: words come from the top source until it is
// exhausted, then from the one below.
class C_CmdArgParser {
 public:
  explicit C_CmdArgParser(bool expandVariables) : m_expandVariables(expandVariables) {}
  void push(const U_BPtr<C_ArgsSource>& source) { m_sources.push_front(source); }
  // The next word; false when every source is exhausted.
  bool getWord(U_String& word);
  // Whether a file with this real path has begun to be read and is not
  // yet exhausted.
  bool isReading(const U_String& realPath) const;

 private:
  std::deque<U_BPtr<C_ArgsSource>> m_sources;
  bool m_expandVariables;
};

// Presents the parser's words as a stream, one word per line, and opens
// argument files on it.
class C_CmdArgStreamBuffer : public std::streambuf {
 public:
  C_CmdArgStreamBuffer(C_CmdArgParser& parser, ExtendedCharEncoding encoding,
                       const QL_String& temporaryDirectory);
  // Pushes the file's words on top, to be read next.  Throws
  // C_RecursiveViaException when the file is one still being read, which
  // would otherwise name itself for ever.
  void openViaFile(const U_String& file);

 protected:
  int_type underflow() override;

 private:
  static constexpr int kPutBack = 4;
  static constexpr int kFill = 6;

  C_CmdArgParser& m_parser;
  ExtendedCharEncoding m_encoding;
  QL_String m_temporaryDirectory;
  U_String m_word;
  size_t m_position = 0;
  char m_buffer[kPutBack + kFill];
};

#endif
