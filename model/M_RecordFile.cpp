#include "model/M_RecordFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "intl/EncodingConverter.h"
#include "intl/QL_FileStat.h"

namespace {

constexpr size_t kBlockSize = 1 << 20;

bool isSpecialByte(unsigned char c) { return c >= 0x80 || c == 0x1b || c == 0x0e || c == 0x0f; }

// Bits 7 of the bytes of `word` that are high or below 0x20 (and possibly
// of some bytes above such a byte: the answer is only used as a whole).
inline uint64_t suspectBytes(uint64_t word) {
  constexpr uint64_t kSpace = 0x2020202020202020ULL;
  return word | ((word - kSpace) & ~word);
}

// Whether the line holds a byte that may start an encoded character or a
// shift sequence: only such lines need the converter.  Sixteen bytes at a
// time, every word's high bytes and bytes below 0x20 are gathered without a
// branch; only a line where some turned up (mostly one with a tab or a
// carriage return, or a converted one) is looked at byte by byte.
bool needsConversion(const U_String& line) {
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  constexpr uint64_t kLetters = 0x4141414141414141ULL;  // fills the last word
  const char* p = line.data();
  const std::size_t size = line.size();
  uint64_t suspects = 0;
  std::size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    uint64_t first, second;
    std::memcpy(&first, p + i, sizeof first);
    std::memcpy(&second, p + i + 8, sizeof second);
    suspects |= suspectBytes(first) | suspectBytes(second);
  }
  for (; i < size; i += 8) {
    uint64_t word = kLetters;
    std::memcpy(&word, p + i, std::min<std::size_t>(8, size - i));
    suspects |= suspectBytes(word);
  }
  if ((suspects & kHigh) == 0) return false;
  for (std::size_t j = 0; j < size; ++j) {
    if (isSpecialByte(static_cast<unsigned char>(p[j]))) return true;
  }
  return false;
}

// The buffer of the last closed record file, kept for the next one.
struct SpareBuffer {
  std::unique_ptr<char[]> data;
  size_t capacity = 0;
};

SpareBuffer& spare() {
  static SpareBuffer* buffer = new SpareBuffer();  // kept until the process ends
  return *buffer;
}

}  // namespace

M_RecordFile::M_RecordFile(const QL_String& file, ExtendedCharEncoding encoding)
    : m_encoding(encoding),
      m_converts(encoding != eceNone && encoding != eceEUC && encoding != eceInvalid) {
  // A named pipe is read like a file; a directory opens too, and its first
  // read fails (hasReadError).  A device is taken as a file that does not
  // open: one such as /dev/zero would be read without end.
  m_file = std::fopen(QL_FileStat::toOS(file).c_str(), "rb");
  if (m_file == nullptr) return;
  struct stat st;
  if (::fstat(::fileno(m_file), &st) == 0 && (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))) {
    std::fclose(m_file);
    m_file = nullptr;
    return;
  }
  SpareBuffer& kept = spare();
  if (kept.data) {
    m_buffer = std::move(kept.data);
    m_capacity = kept.capacity;
  } else {
    m_buffer.reset(new char[kBlockSize]);  // not cleared: only read bytes are looked at
    m_capacity = kBlockSize;
  }
}

M_RecordFile::~M_RecordFile() {
  if (m_file != nullptr) std::fclose(m_file);
  // A buffer grown for an unusually long line is not kept.
  SpareBuffer& kept = spare();
  if (m_buffer && !kept.data && m_capacity <= 4 * kBlockSize) {
    kept.data = std::move(m_buffer);
    kept.capacity = m_capacity;
  }
}

// Moves the unread tail to the front and reads the next block behind it,
// growing the buffer when a single line fills it.  False when nothing new
// could be read.
bool M_RecordFile::refill() {
  if (m_eof || m_file == nullptr) return false;
  const size_t pending = m_end - m_begin;
  if (m_begin > 0) {
    std::memmove(buffer(), buffer() + m_begin, pending);
    m_begin = 0;
    m_end = pending;
  }
  if (m_end == m_capacity) {
    std::unique_ptr<char[]> larger(new char[m_capacity * 2]);
    std::memcpy(larger.get(), buffer(), m_end);
    m_buffer = std::move(larger);
    m_capacity *= 2;
  }
  const size_t got = std::fread(buffer() + m_end, 1, m_capacity - m_end, m_file);
  if (got == 0) {
    m_eof = true;
    m_readError = std::ferror(m_file) != 0;
    return false;
  }
  m_end += got;
  return true;
}

bool M_RecordFile::getline(U_String& line) {
  if (m_file == nullptr) return false;
  size_t searched = m_begin;
  for (;;) {
    const char* start = buffer() + searched;
    const void* newline = std::memchr(start, '\n', m_end - searched);
    if (newline != nullptr) {
      const size_t at = static_cast<const char*>(newline) - buffer();
      line.assign(buffer() + m_begin, at - m_begin);
      m_begin = at + 1;
      break;
    }
    const size_t offset = m_end - m_begin;
    if (!refill()) {
      if (m_begin == m_end) return false;
      line.assign(buffer() + m_begin, m_end - m_begin);  // no final newline
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
