#ifndef REPORT_FILELIST_H
#define REPORT_FILELIST_H

#include <vector>

#include "model/PI_Interface.h"

// The files the report lists as analysed: the analysed source files, the
// non-suppressed included files and, last, the cross-module analysis file.
class FileList {
 public:
  typedef std::vector<const char*> Files;

  // The list (names owned by the model), filled during the run.
  static Files& getSrcFiles();

  // Source client: appends each analysed source file except the
  // cross-module analysis file.
  static bool getSourceFiles(P_Source* source);

  // Completes the list after reading: the included files once each, the
  // byte-order sort and the cross-module analysis file at the end.  With
  // `omitSystemHeaders`, a file that every include record names as a
  // system header ("S") is left out.
  static void getHeaderAndCMAFiles(bool omitSystemHeaders = false);
};

#endif
