#ifndef MODEL_METRICFILEREADER_H
#define MODEL_METRICFILEREADER_H

#include "model/M_formMetFilename.h"
#include "util/U_String.h"

class QL_Filename;
class SymbolTable;

// Reads the record file of each analysed source and hands every record line
// to the handlers registered for its tag.  It knows nothing of what a
// record means: handlers are registered by the record Parts when a check's
// registration needs their records (a tag without handlers is not read).
// Registries are process-wide and live for the whole run.
class MetricFileReader {
 public:
  using Handler = void (*)(const U_String& line);
  using EndClient = void (*)();

  // Adds `handler` for `tag`; registering the same pair twice stores it once.
  // Handlers of one tag run in the order of their addresses.
  static void configure(const char* tag, Handler handler);
  // Adds an end-of-analysis client (distinct functions, address order).
  static void configureOnEnd(EndClient client);

  // Reads the records of `source` from its record file in `directory`.
  // Throws P_FileOpenException naming the record file when it cannot be
  // opened.
  static void processFile(const QL_Filename& directory, const QL_Filename& source,
                          SymbolTable& symbolTable);
  // After the last file: hands the table to the define handler, then calls
  // every end-of-analysis client once.
  static void processEnd(SymbolTable& symbolTable);

  // Whether any handler is registered for `tag` (that is, whether records
  // with that tag are read at all).
  static bool isTagRead(const char* tag);
  // Calls the handlers of `tag` with `line`; a tag without handlers is
  // ignored.  processFile uses this for every record.
  static void dispatch(const U_String& tag, const U_String& line);
};

// The exported end-of-analysis registration lands here.
void P_configureOnEndMetrics(void (*client)());

#endif
