#ifndef MESSAGES_P_FILEOPENEXCEPTION_H
#define MESSAGES_P_FILEOPENEXCEPTION_H

#include "intl/QL_Filename.h"
#include "util/U_Exception.h"

// A record file or error file of an analysed source could not be opened.
// The driver catches it, reports diagnostic 1540 naming the file and goes on
// with the next file.
class P_FileOpenException : public U_UserException {
 public:
  explicit P_FileOpenException(const QL_Filename& file)
      : U_UserException("PostAnalysis FileOpenException"), m_file(file) {}

  const QL_Filename& getFilename() const { return m_file; }

 private:
  QL_Filename m_file;
};

#endif
