#ifndef MODEL_P_RECORDCURSOR_H
#define MODEL_P_RECORDCURSOR_H

#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string_view>

// Walks the blank-separated fields of one record line without copying it.
// Every read returns false (and reads nothing) when the line has no such
// field left, so a short or garbled record can be rejected as a whole.
class P_RecordCursor {
 public:
  explicit P_RecordCursor(std::string_view line) : m_text(line) {}

  // The next run of non-blank characters.
  bool word(std::string_view& out) {
    skipBlanks();
    const size_t start = m_pos;
    m_pos = endOfWord(m_pos);
    out = m_text.substr(start, m_pos - start);
    return !out.empty();
  }

  // A field in double quotes (the quotes are not part of the result).  A
  // field without an opening quote is read as a word; one whose closing
  // quote is missing fails.
  bool quoted(std::string_view& out) {
    skipBlanks();
    if (m_pos >= m_text.size()) return false;
    if (m_text[m_pos] != '"') return word(out);
    const size_t close = m_text.find('"', m_pos + 1);
    if (close == std::string_view::npos) return false;
    out = m_text.substr(m_pos + 1, close - m_pos - 1);
    m_pos = close + 1;
    return true;
  }

  // A decimal number, optionally signed, ending at a blank or the end of
  // the line.  Values outside 32 bits fail.
  bool number(int32_t& out) {
    std::string_view digits;
    const size_t start = m_pos;
    if (!word(digits)) return false;
    size_t i = 0;
    bool negative = false;
    if (digits[0] == '-' || digits[0] == '+') {
      negative = digits[0] == '-';
      i = 1;
    }
    if (i == digits.size()) return fail(start);
    int64_t value = 0;
    for (; i < digits.size(); ++i) {
      if (digits[i] < '0' || digits[i] > '9') return fail(start);
      value = value * 10 + (digits[i] - '0');
      if (value > INT32_MAX + int64_t{1}) return fail(start);
    }
    value = negative ? -value : value;
    if (value > INT32_MAX) return fail(start);
    out = static_cast<int32_t>(value);
    return true;
  }

  // What is left of the line after the fields read so far.
  std::string_view rest() const { return m_text.substr(m_pos); }

  // Printable 7-bit characters, the bulk of every record, are never blank;
  // only the others need the classification of the C library.
  static bool isBlank(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u > ' ' && u < 0x7F) return false;
    if (u == ' ' || u == '\t') return true;
    return std::isspace(u) != 0;
  }

 private:
  void skipBlanks() {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos])) ++m_pos;
  }
  // The first blank at or after `pos` (or the end).  Names are long runs
  // of printable 7-bit bytes, so eight bytes are screened at a time: a word
  // holding no byte below '!' and none above '~' holds no blank.  Every
  // other byte is classified on its own.
  size_t endOfWord(size_t pos) const {
    const char* text = m_text.data();
    const size_t size = m_text.size();
    while (pos < size) {
      if constexpr (std::endian::native == std::endian::little) {
        for (; pos + 8 <= size; pos += 8) {
          uint64_t word;
          std::memcpy(&word, text + pos, sizeof word);
          const uint64_t below = (word - 0x2121212121212121ULL) & ~word;
          const uint64_t above = (word + 0x0101010101010101ULL) | word;
          const uint64_t stop = (below | above) & 0x8080808080808080ULL;
          if (stop != 0) {
            pos += static_cast<size_t>(std::countr_zero(stop)) / 8;
            break;
          }
        }
        if (pos >= size) break;
      }
      if (isBlank(text[pos])) break;
      ++pos;
    }
    return pos;
  }
  bool fail(size_t start) {
    m_pos = start;
    return false;
  }

  std::string_view m_text;
  size_t m_pos = 0;
};

#endif
