#ifndef MESSAGES_R_BINARY_H
#define MESSAGES_R_BINARY_H

#include <cstdint>
#include <cstdio>
#include <map>

#include "util/U_Filename.h"
#include "util/U_Location.h"
#include "util/U_String.h"

// Writes bytes to a binary file.
class R_BasicWriter {
 public:
  explicit R_BasicWriter(U_String filename) : m_filename(std::move(filename)) {}
  virtual ~R_BasicWriter();
  R_BasicWriter(const R_BasicWriter&) = delete;
  R_BasicWriter& operator=(const R_BasicWriter&) = delete;

  // Neither follows a symbolic link: a link at the file's name fails.
  bool open();    // create or truncate
  bool append();  // create or append
  // Hands the buffered bytes to the system; false when it refuses them.
  bool flush();
  // False when a write since opening or the close itself failed.
  bool close();
  // Closes without asking whether the bytes reached the file.
  void discard();
  bool isOpen() const { return m_file != nullptr; }
  // Throws R_WritingException when the bytes cannot all be written.
  void write(const void* data, int size);
  const U_String& getFilename() const { return m_filename; }

 private:
  U_String m_filename;
  FILE* m_file = nullptr;
};

// The writer's reference tables: what was already written in this file
// under which id.  Each kind numbers its entries from 0.
struct R_WriterData {
  std::map<U_String, int32_t> locations;  // keyed by the location's full content
  std::map<U_Filename, int32_t> filenames;
  std::map<U_String, int32_t> identifiers;
  int32_t nextLocation = 0;
  int32_t nextFilename = 0;
  int32_t nextIdentifier = 0;
};

class R_Writer : public R_BasicWriter {
 public:
  explicit R_Writer(U_String filename) : R_BasicWriter(std::move(filename)) {}
  R_WriterData& data() { return m_data; }
  void resetData() { m_data = R_WriterData(); }

  void writeInt(int32_t value);  // 4 bytes, most significant first
  void writeByte(uint8_t value);
  void writeBool(bool value) { writeByte(value ? 1 : 0); }
  void writeString(const U_String& text);  // length, then the bytes

 private:
  R_WriterData m_data;
};

// Reads bytes from a binary file, with a one-byte look-ahead for eof().
class R_BasicReader {
 public:
  explicit R_BasicReader(U_String filename) : m_filename(std::move(filename)) {}
  virtual ~R_BasicReader();
  R_BasicReader(const R_BasicReader&) = delete;
  R_BasicReader& operator=(const R_BasicReader&) = delete;

  bool open();  // "rb"
  bool open(long offset);
  void close();
  bool isOpen() const { return m_file != nullptr; }
  // Throws R_ReadingReadException on a short read.
  void read(void* data, unsigned int size);
  // True at end of file; otherwise keeps the next byte as look-ahead.
  bool eof();
  long getPos() const;
  // Bytes left in the file after the current position.
  long remaining() const;
  const U_String& getFilename() const { return m_filename; }

 private:
  U_String m_filename;
  FILE* m_file = nullptr;
  long m_size = 0;
  bool m_hasLookAhead = false;
  unsigned char m_lookAhead = 0;
};

// Id-to-object table of the reader.
template <class T>
class R_ReaderSimpleData {
 public:
  bool hasObject(int32_t id) const { return m_objects.count(id) != 0; }
  void addObject(int32_t id, const T& object) { m_objects[id] = object; }
  const T& getObject(int32_t id) const { return m_objects.at(id); }
  void clear() { m_objects.clear(); }

 private:
  std::map<int32_t, T> m_objects;
};
using R_ReaderLocData = R_ReaderSimpleData<U_Location>;

class R_Reader : public R_BasicReader {
 public:
  explicit R_Reader(U_String filename) : R_BasicReader(std::move(filename)) {}
  void resetData();

  R_ReaderLocData& locations() { return m_locations; }
  R_ReaderSimpleData<U_Filename>& filenames() { return m_filenames; }
  R_ReaderSimpleData<U_String>& identifiers() { return m_identifiers; }

  int32_t readInt();
  uint8_t readByte();
  bool readBool() { return readByte() != 0; }
  // A count (list length, parameter count); negative throws M_BadIntReadException.
  int32_t readCount();
  // Throws M_BadTextReadException for a negative length and
  // R_ReadingReadException when the text runs past the end of the file.
  U_String readString();

 private:
  R_ReaderLocData m_locations;
  R_ReaderSimpleData<U_Filename> m_filenames;
  R_ReaderSimpleData<U_String> m_identifiers;
};

#endif
