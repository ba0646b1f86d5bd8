#include "model/M_RecordFile.h"

#include <cstdint>
#include <cstring>

#include "intl/EncodingConverter.h"
#include "intl/QL_FileStat.h"

namespace {

constexpr size_t kBlockSize = 1 << 20;

bool isSpecialByte(unsigned char c) { return c >= 0x80 || c == 0x1b || c == 0x0e || c == 0x0f; }

// Whether the line holds a byte that may start an encoded character or a
// shift sequence: only such lines need the converter.  Eight bytes are
// screened at a time; a word holding a high byte or a control byte below
// 0x10 is looked at byte by byte.
bool needsConversion(const U_String& line) {
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  constexpr uint64_t kLowBound = 0x1010101010101010ULL;
  const char* p = line.data();
  const char* end = p + line.size();
  for (; end - p >= 8; p += 8) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const uint64_t belowBound = (word - kLowBound) & ~word & kHigh;
    if (((word & kHigh) | belowBound) == 0) continue;
    for (int i = 0; i < 8; ++i) {
      if (isSpecialByte(static_cast<unsigned char>(p[i]))) return true;
    }
  }
  for (; p < end; ++p) {
    if (isSpecialByte(static_cast<unsigned char>(*p))) return true;
  }
  return false;
}

}  // namespace

M_RecordFile::M_RecordFile(const QL_String& file, ExtendedCharEncoding encoding)
    : m_encoding(encoding),
      m_converts(encoding != eceNone && encoding != eceEUC && encoding != eceInvalid) {
  if (!QL_FileStat::isRegularFile(file)) return;
  m_file = std::fopen(QL_FileStat::toOS(file).c_str(), "rb");
  if (m_file != nullptr) m_buffer.resize(kBlockSize);
}

M_RecordFile::~M_RecordFile() {
  if (m_file != nullptr) std::fclose(m_file);
}

// Moves the unread tail to the front and reads the next block behind it,
// growing the buffer when a single line fills it.  False when nothing new
// could be read.
bool M_RecordFile::refill() {
  if (m_eof || m_file == nullptr) return false;
  const size_t pending = m_end - m_begin;
  if (m_begin > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, pending);
    m_begin = 0;
    m_end = pending;
  }
  if (m_end == m_buffer.size()) m_buffer.resize(m_buffer.size() * 2);
  const size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
  if (got == 0) {
    m_eof = true;
    return false;
  }
  m_end += got;
  return true;
}

bool M_RecordFile::getline(U_String& line) {
  if (m_file == nullptr) return false;
  size_t searched = m_begin;
  for (;;) {
    const char* start = m_buffer.data() + searched;
    const void* newline = std::memchr(start, '\n', m_end - searched);
    if (newline != nullptr) {
      const size_t at = static_cast<const char*>(newline) - m_buffer.data();
      line.assign(m_buffer.data() + m_begin, at - m_begin);
      m_begin = at + 1;
      break;
    }
    const size_t offset = m_end - m_begin;
    if (!refill()) {
      if (m_begin == m_end) return false;
      line.assign(m_buffer.data() + m_begin, m_end - m_begin);  // no final newline
      m_begin = m_end;
      break;
    }
    searched = m_begin + offset;
  }
  if (m_converts) translate(line);
  return true;
}

void M_RecordFile::translate(U_String& line) {
  if (needsConversion(line)) line = QL_convertToInternal(line, m_encoding);
}
