#include "messages/R_Binary.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "messages/M_ErrorFileExceptions.h"

R_BasicWriter::~R_BasicWriter() { discard(); }

namespace {

// Opens NAME for writing with FLAGS added, never through a symbolic link:
// a link where the file should be fails with ELOOP.
FILE* openNoFollow(const U_String& name, int flags, const char* mode) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | flags, 0666);
  if (fd < 0) return nullptr;
  FILE* file = ::fdopen(fd, mode);
  if (!file) ::close(fd);
  return file;
}

}  // namespace

bool R_BasicWriter::open() {
  discard();
  m_file = openNoFollow(m_filename, O_TRUNC, "wb");
  return m_file != nullptr;
}

bool R_BasicWriter::append() {
  discard();
  m_file = openNoFollow(m_filename, O_APPEND, "ab");
  return m_file != nullptr;
}

bool R_BasicWriter::flush() { return m_file != nullptr && std::fflush(m_file) == 0; }

bool R_BasicWriter::close() {
  if (!m_file) return true;
  const bool ok = std::ferror(m_file) == 0;
  const bool closed = std::fclose(m_file) == 0;
  m_file = nullptr;
  return ok && closed;
}

void R_BasicWriter::discard() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
}

void R_BasicWriter::write(const void* data, int size) {
  if (size <= 0) return;
  if (!m_file || std::fwrite(data, 1, static_cast<size_t>(size), m_file) != static_cast<size_t>(size))
    throw R_WritingException();
}

void R_Writer::writeInt(int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  unsigned char b[4] = {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
                        static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
  write(b, 4);
}

void R_Writer::writeByte(uint8_t value) { write(&value, 1); }

void R_Writer::writeString(const U_String& text) {
  writeInt(static_cast<int32_t>(text.size()));
  write(text.data(), static_cast<int>(text.size()));
}

R_BasicReader::~R_BasicReader() { close(); }

bool R_BasicReader::open() {
  close();
  m_file = std::fopen(m_filename.c_str(), "rb");
  if (!m_file) return false;
  // The size bounds every length read from the file.
  if (std::fseek(m_file, 0, SEEK_END) == 0) m_size = std::ftell(m_file);
  if (m_size < 0) m_size = 0;
  std::rewind(m_file);
  return true;
}

bool R_BasicReader::open(long offset) {
  if (!open()) return false;
  if (std::fseek(m_file, offset, SEEK_SET) != 0) {
    close();
    return false;
  }
  return true;
}

void R_BasicReader::close() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  m_hasLookAhead = false;
}

void R_BasicReader::read(void* data, unsigned int size) {
  if (size == 0) return;
  unsigned char* out = static_cast<unsigned char*>(data);
  if (m_hasLookAhead) {
    *out++ = m_lookAhead;
    m_hasLookAhead = false;
    if (--size == 0) return;
  }
  errno = 0;
  if (!m_file || std::fread(out, 1, size, m_file) != size) throw R_ReadingReadException(errno);
}

bool R_BasicReader::eof() {
  if (m_hasLookAhead) return false;
  if (!m_file) return true;
  errno = 0;
  int c = std::fgetc(m_file);
  if (c == EOF) {
    if (std::feof(m_file)) return true;
    throw R_ReadingEOFException(errno);
  }
  m_lookAhead = static_cast<unsigned char>(c);
  m_hasLookAhead = true;
  return false;
}

long R_BasicReader::getPos() const {
  if (!m_file) return 0;
  long pos = std::ftell(m_file);
  return m_hasLookAhead ? pos - 1 : pos;
}

long R_BasicReader::remaining() const {
  long left = m_size - getPos();
  return left < 0 ? 0 : left;
}

void R_Reader::resetData() {
  m_locations.clear();
  m_filenames.clear();
  m_identifiers.clear();
}

int32_t R_Reader::readInt() {
  unsigned char b[4];
  read(b, 4);
  uint32_t v = (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
  return static_cast<int32_t>(v);
}

uint8_t R_Reader::readByte() {
  unsigned char b = 0;
  read(&b, 1);
  return b;
}

int32_t R_Reader::readCount() {
  int32_t n = readInt();
  if (n < 0) throw M_BadIntReadException();
  return n;
}

U_String R_Reader::readString() {
  int32_t n = readInt();
  if (n < 0) throw M_BadTextReadException();
  // A length beyond the end of the file is a truncated file: fail as the
  // short read would, without allocating the claimed size.
  if (n > remaining()) throw R_ReadingReadException(0);
  U_String text(static_cast<size_t>(n), '\0');
  if (n > 0) read(text.data(), static_cast<unsigned int>(n));
  return text;
}
