#ifndef SOURCE_QGEN_H
#define SOURCE_QGEN_H

#include <istream>
#include <vector>

#include "util/U_String.h"

// General string and file helpers of the source-text layer.
namespace Qgen {

// `s` without all its trailing '\n' and '\r' characters.
U_String Chomp(const U_String& s);
U_String Rtrim(const U_String& s, const U_String& chars = " \t");
U_String Ltrim(const U_String& s, const U_String& chars = " \t");
U_String Trim(const U_String& s, const U_String& chars = " \t");
// Every byte lowered by the C library's tolower.
U_String ustring_lower(const U_String& s);
// Decimal text of `n`.
U_String Image(long n);
// Replaces every `from` by `to` in place; inserted text is never searched
// again, so replacing "&" by "&amp;" terminates.
void Global_Replace(U_String& s, const U_String& from, const U_String& to);
// Tabs replaced by spaces up to the next multiple of `width` counted on
// the output (at most nine spaces per tab); a width below 1 leaves tabs.
U_String Expand_Tabs(const U_String& s, int width);

// Size of the stream in bytes; the read position is restored.
long fstream_size(std::istream& stream);
// The file's lines without their line ends (split at '\n', trailing '\r'
// removed).  A file that cannot be read, or is not a regular file (a FIFO,
// a device), gives an empty list and a message on standard error.
std::vector<U_String> load_file_as_ustringlist(const U_String& name);
// Index of the first line in [from, to] (clamped to the list) holding
// `text`; -1 when none does.
int search(const std::vector<U_String>& lines, const U_String& text, int from, int to);
// True when both names exist and denote the same file (device and inode).
bool files_are_same(const U_String& a, const U_String& b);
// `s` split on `separator` into at most `max` pieces (the last holds the
// rest; `max` below 1 means no limit).  Empty pieces are kept; an empty
// `s` gives no piece, an empty separator gives `s` whole.
std::vector<U_String> split_string_simple(const U_String& s, const U_String& separator, int max);

}  // namespace Qgen

#endif
