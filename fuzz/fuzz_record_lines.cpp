// Record line framing: the block-buffered line reader of record files in
// every encoding, and the record iterator over it.  Every input must be
// framed into lines without a newline that, for a file read without
// conversion, put back together give the file again; every record must
// start with '<' and carry the text up to its first '>' as its tag.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "model/M_MetricIterator.h"
#include "model/M_RecordFile.h"

namespace {

constexpr ExtendedCharEncoding kEncodings[] = {eceNone, eceEUC,    eceSJIS, eceOldJIS,
                                               eceNewJIS, eceNECJIS, eceUTF, eceInvalid};

bool readsVerbatim(ExtendedCharEncoding e) { return e == eceNone || e == eceEUC || e == eceInvalid; }

// Frames the file with the line reader and checks the lines.
void checkFraming(const QL_String& file, ExtendedCharEncoding encoding, std::string_view bytes) {
  M_RecordFile input(file, encoding);
  FUZZ_CHECK(input.isOpen());
  std::string joined;
  size_t lines = 0;
  U_String line;
  while (input.getline(line)) {
    if (lines++ > 0) joined += '\n';
    joined += line;
    if (readsVerbatim(encoding)) FUZZ_CHECK(line.find('\n') == U_String::npos);
  }
  if (!readsVerbatim(encoding)) return;
  if (!bytes.empty() && bytes.back() == '\n') bytes.remove_suffix(1);
  FUZZ_CHECK(joined == bytes);
}

// Walks the records with the iterator the reader uses and checks each.
void checkRecords(const QL_String& file, size_t size) {
  M_MetricIterator records;
  FUZZ_CHECK(records.open(file));
  size_t count = 0;
  for (; !records.atEnd(); ++records) {
    const U_String& text = records->lineText();
    FUZZ_CHECK(!text.empty() && text[0] == '<');
    const size_t close = text.find('>', 1);
    FUZZ_CHECK(close != U_String::npos);
    FUZZ_CHECK(records->tagText() == text.substr(1, close - 1));
    FUZZ_CHECK(++count <= size);
  }
  records.close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A first byte below 8 picks the file's encoding and the rest is the
  // file; any other input is a file in the internal encoding (so record
  // files seed the target as they are).
  const bool picks = size > 0 && data[0] < std::size(kEncodings);
  const ExtendedCharEncoding encoding = picks ? kEncodings[data[0]] : eceEUC;
  const std::string_view bytes = fuzz::asText(data + picks, size - picks);
  static const std::string path = fuzz::scratchPath("record-lines", ".met");
  if (!fuzz::writeFile(path, bytes)) return 0;
  const QL_String file = QL_String::create(path, eceEUC);
  checkFraming(file, encoding, bytes);
  checkRecords(file, bytes.size());
  return 0;
}
