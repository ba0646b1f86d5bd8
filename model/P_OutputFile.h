#ifndef MODEL_P_OUTPUTFILE_H
#define MODEL_P_OUTPUTFILE_H

#include <utility>
#include <vector>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "util/ExtendedCharEncoding.h"

// The run's output source and output path, filled by the analysis driver
// before any file is read.  The output source is the file the run's own
// output and diagnostics are attached to: the single input file, or the
// cross-module analysis file.  It lives with the model (not the driver) so
// that the readers and the query interface can see it.
struct P_OutputFile {
  static QL_Filename& getSource();
  static QL_String& getOutputPath();

  // (output directory, source file) in reading order.
  using FileList = std::vector<std::pair<QL_String, QL_Filename>>;
  // Sets the output source and path of a run reading `files`.  With a
  // cross-module analysis file that file is the output source; it is
  // appended to `files`, to be read last from its own directory.  Without
  // one the first input file is the output source.
  static void setForRun(FileList& files, const QL_String* crossModuleFile);
};

// The output path and the output source's name as interned text in the
// given encoding.
const char* P_getPALOutputPath(ExtendedCharEncoding encoding);
const char* P_getPALCrossModuleFilename(ExtendedCharEncoding encoding);

#endif
