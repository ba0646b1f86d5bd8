#ifndef SOURCE_QDATA_H
#define SOURCE_QDATA_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "util/U_String.h"

class P_Source;

// Source files read once and kept for the run, with their comment-blanked,
// comment, token and preprocessed-file views.  Every cache entry is made on
// first request and never changed or erased, so references stay valid.
namespace Qdata {

using Lines = std::vector<U_String>;

// One comment of a source file.  A block comment or a line comment
// continued by a backslash spans several lines; its text holds the lines
// joined by '\n', delimiters included.
struct CommentToken {
  int line = 0;     // 0-based line of the opening delimiter
  int column = 0;   // byte index of the opening delimiter in that line
  int endLine = 0;  // 0-based line on which the comment ends
  bool isBlock = false;
  U_String text;
};

// Tokens and their (tab-expanded) columns for every line of the cleaned
// file, comment delimiters removed; index i is line i.
struct FileTokens {
  std::vector<std::vector<U_String>> tokens;
  std::vector<std::vector<int>> positions;
};

struct File_Lineno_T {
  int32_t file = 0;
  int32_t line = 0;
};

struct Compare_File_Lineno_T {
  bool operator()(const File_Lineno_T& a, const File_Lineno_T& b) const {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  }
};

// One line of a preprocessed file that carries a source line number.
struct PPLine {
  File_Lineno_T source;  // file number and 0-based source line
  int ppLine = 0;        // 0-based line in the preprocessed file
  std::vector<U_String> tokens;
  std::vector<int> positions;
};

struct PPFileTokens {
  std::vector<PPLine> lines;
};

// (file, line) -> index in PPFileTokens::lines of the first line carrying it.
using LinenoLookup = std::map<File_Lineno_T, int, Compare_File_Lineno_T>;

// Process-wide caches, keyed by file name.
std::map<U_String, Lines>& all_files_source();
std::map<U_String, Lines>& all_files_clean_source();
std::map<U_String, std::vector<CommentToken>>& all_files_comments();
std::map<U_String, FileTokens>& all_files_tokens();
std::map<U_String, PPFileTokens>& all_pp_files_tokens();
std::map<U_String, LinenoLookup>& all_lineno_lookups();

// The source file being read and its preprocessed file (empty at start).
U_String& cmd_line_cfile();
U_String& cmd_line_pp_file();
std::vector<U_String>& args_of_all_size_options();

// The file's lines as read.  A missing file ends the program (status 10).
const Lines& get_raw_file(const U_String& name);
// The same lines with comment bodies and literal contents blanked.
const Lines& get_clean_raw_file(const U_String& name);

// Blank comment bodies and literal contents in place, state carried from
// line to line; every line keeps its length.
void clean_comments(Lines* lines);
// As clean_comments, but literal contents are kept.
void clean_comments_not_strings(Lines* lines);
// clean_comments on one line on its own.
U_String clean_comments_from_line(const U_String& line);

void get_comments_from_raw_source(const U_String& name, std::vector<CommentToken>& comments);
const std::vector<CommentToken>& get_file_comments(const U_String& name);

void tokenise_file(FileTokens* out, const U_String& name);
const FileTokens& get_tokenised_file(const U_String& name);

// When lines[index] is a preprocessor directive: its text with the
// backslash-newline continuations spliced, `index` moved to the last line
// of the directive, and true.  Otherwise false and nothing changes.
bool get_pre_processor_statement(const Lines& lines, std::size_t& index, U_String& statement);

// The preprocessed file cmd_line_pp_file() and its line-number index.
void tokenise_ppfile(PPFileTokens* out);
const PPFileTokens& get_tokenised_pp_file();
void calc_lineno_lookup(LinenoLookup* out);
const LinenoLookup& get_tokenised_pp_file_lineno_index();

// Names of the analysed files, collected while the run reads them.
class SourceFileList {
 public:
  static std::vector<U_String>& getSrcFiles();      // sources, then headers
  static std::vector<U_String>& getOnlySrcFiles();  // analysed sources only
  static std::vector<U_String>& getHdrFiles();      // included files
  // Source client: records the file being read.
  static bool getSourceFiles(P_Source* source);
  // Adds every included file once to the header list (and all files).
  static void getHeaderFiles();
};

std::vector<U_String>& get_all_source_filenames();
std::vector<U_String>& get_src_filenames();
std::vector<U_String>& get_hdr_filenames();

// Registers the source client and asks for include relations.
void initialise_QdataSetup();
// Completes the file lists once everything is read.
void initialise_QdataEnd();

}  // namespace Qdata

#endif
