#include <algorithm>
#include <cstring>

#include "config/C_ArgSources.h"
#include "config/C_Exceptions.h"
#include "intl/QL_FileStat.h"
#include "util/U_FileStat.h"

C_ArgvSource::C_ArgvSource(int count, const char* const* words) {
  for (int i = 0; words && i < count; ++i) m_words.emplace_back(words[i] ? words[i] : "");
}

U_String C_ArgvSource::getWord(bool) {
  if (m_next >= m_words.size()) return U_String();
  return m_words[m_next++];
}

C_FileSource::C_FileSource(const QL_String& file, ExtendedCharEncoding encoding,
                           const QL_String& temporaryDirectory) {
  if (file.empty() || !QL_FileStat::isRegularFile(file) || !QL_FileStat::canRead(file)) return;
  U_XPtr<InputFileTranslator> opened(new InputFileTranslator(file, encoding, temporaryDirectory));
  if (!opened->isOpen()) return;
  m_file = opened;
  m_realPath = U_FileStat::getRealPath(QL_FileStat::toOS(file));
}

C_FileSource::C_FileSource(const U_XPtr<InputFileTranslator>& opened) {
  if (!opened.isSet() || !opened->isOpen()) return;
  m_file = opened;
  m_realPath = U_FileStat::getRealPath(QL_FileStat::toOS(opened->getFilename()));
}

U_String C_FileSource::getWord(bool expandVariables) {
  if (!m_file.isSet()) return U_String();
  m_started = true;
  return m_reader.getNextFileToken(*m_file, expandVariables);
}

bool C_CmdArgParser::getWord(U_String& word) {
  while (!m_sources.empty()) {
    word = m_sources.front()->getWord(m_expandVariables);
    if (!word.empty()) return true;
    m_sources.pop_front();
  }
  word.clear();
  return false;
}

bool C_CmdArgParser::isReading(const U_String& realPath) const {
  return std::any_of(m_sources.begin(), m_sources.end(), [&](const U_BPtr<C_ArgsSource>& source) {
    return !realPath.empty() && source->getPathInReading() == realPath;
  });
}

C_CmdArgStreamBuffer::C_CmdArgStreamBuffer(C_CmdArgParser& parser, ExtendedCharEncoding encoding,
                                           const QL_String& temporaryDirectory)
    : m_parser(parser), m_encoding(encoding), m_temporaryDirectory(temporaryDirectory) {
  std::memset(m_buffer, 0, sizeof m_buffer);
  setg(m_buffer + kPutBack, m_buffer + kPutBack, m_buffer + kPutBack);
}

void C_CmdArgStreamBuffer::openViaFile(const U_String& file) {
  const QL_String name = QL_String::create(file, eceEUC);
  if (m_parser.isReading(U_FileStat::getRealPath(QL_FileStat::toOS(name))))
    throw C_RecursiveViaException(file);
  m_parser.push(new C_FileSource(name, m_encoding, m_temporaryDirectory));
}

// Hands out the current word and its newline a few characters at a time,
// keeping the last characters read for put-back.
C_CmdArgStreamBuffer::int_type C_CmdArgStreamBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const size_t keep = std::min<size_t>(static_cast<size_t>(gptr() - eback()), kPutBack);
  std::memmove(m_buffer + kPutBack - keep, gptr() - keep, keep);
  if (m_position >= m_word.size()) {
    U_String word;
    if (!m_parser.getWord(word)) return traits_type::eof();
    m_word = word + '\n';
    m_position = 0;
  }
  const size_t n = std::min<size_t>(kFill, m_word.size() - m_position);
  std::memcpy(m_buffer + kPutBack, m_word.data() + m_position, n);
  m_position += n;
  setg(m_buffer + kPutBack - keep, m_buffer + kPutBack, m_buffer + kPutBack + n);
  return traits_type::to_int_type(*gptr());
}
