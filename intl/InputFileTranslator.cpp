#include "intl/InputFileTranslator.h"

#include "intl/EncodingConverter.h"
#include "intl/QL_FileStat.h"

namespace {

bool readWholeFile(const U_String& name, U_String& out) {
  FILE* f = std::fopen(name.c_str(), "rb");
  if (f == nullptr) return false;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  bool ok = std::ferror(f) == 0;
  std::fclose(f);
  return ok;
}

}  // namespace

InputFileTranslator::InputFileTranslator(const QL_String& file, ExtendedCharEncoding encoding,
                                         const QL_String& /*temporaryDirectory*/)
    : m_file(file), m_encoding(encoding) {
  U_String os = QL_FileStat::toOS(file);
  if (!QL_FileStat::isRegularFile(file)) return;
  m_open = readWholeFile(os, m_raw);
  if (!m_open) m_raw.clear();
}

void InputFileTranslator::fillLine() {
  m_line.clear();
  m_linePos = 0;
  if (m_rawPos >= m_raw.size()) return;
  size_t nl = m_raw.find('\n', m_rawPos);
  size_t end = nl == U_String::npos ? m_raw.size() : nl;
  m_line = QL_convertToInternal(m_raw.substr(m_rawPos, end - m_rawPos), m_encoding);
  if (nl != U_String::npos) m_line += '\n';
  m_rawPos = nl == U_String::npos ? m_raw.size() : nl + 1;
}

bool InputFileTranslator::getline(U_String& line) {
  if (m_linePos >= m_line.size()) {
    fillLine();
    if (m_line.empty()) return false;
  }
  size_t nl = m_line.find('\n', m_linePos);
  if (nl == U_String::npos) {
    line.assign(m_line, m_linePos, U_String::npos);
    m_linePos = m_line.size();
  } else {
    line.assign(m_line, m_linePos, nl - m_linePos);
    m_linePos = nl + 1;
  }
  return true;
}

int InputFileTranslator::peekChar() {
  if (m_linePos >= m_line.size()) fillLine();
  if (m_linePos >= m_line.size()) return EOF;
  return static_cast<unsigned char>(m_line[m_linePos]);
}

int InputFileTranslator::getChar() {
  int c = peekChar();
  if (c != EOF) ++m_linePos;
  return c;
}

bool InputFileTranslator::atEnd() { return peekChar() == EOF; }
