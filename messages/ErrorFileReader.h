#ifndef MESSAGES_ERRORFILEREADER_H
#define MESSAGES_ERRORFILEREADER_H

class QL_Filename;

// Reads the error file of one analysed source and hands its diagnostics and
// suppression records to the registered diagnostic clients.
class ErrorFileReader {
 public:
  // Reads DIRECTORY/<file name of source>.err.  Nothing is read when no
  // client asked for diagnostics, unless the debug keyword
  // "always_read_errors" is given.  Throws P_FileOpenException naming the
  // error file when it cannot be opened; other problems of the file throw
  // the error-file exceptions (M_ErrorFileException, R_ReadingException).
  static void processFile(const QL_Filename& outputDirectory, const QL_Filename& sourceFile);
  // Calls the end-of-diagnostics clients.
  static void processEnd();
};

#endif
