#ifndef MESSAGES_M_OUTPUT_H
#define MESSAGES_M_OUTPUT_H

#include "messages/M_Diagnostic.h"
#include "messages/M_SuppressionRecord.h"
#include "util/U_BPtr.h"

class C_CmdArgs;
class QL_String;

struct M_IOFormat {
  enum Type { Simple = 0, Format = 1, Tessel = 2, Tessel2 = 3, Null = 5 };
};

// A destination for the run's own diagnostics.
class M_OutputBase {
 public:
  // Ends the output; a sink writing a file throws when it failed.
  virtual void close() = 0;
  virtual void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) = 0;
  virtual void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) = 0;
  virtual void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) = 0;
  virtual ~M_OutputBase() = default;
};

// The process-wide diagnostic output: exactly one sink at a time.
class M_Output {
 public:
  // Opens the output of the run for SOURCE: type 2 or 3 appends to
  // OUTPUTPATH/<source>.err (creating it when missing; the format id of an
  // existing file decides its record format), 1 formatted text on standard
  // output, 5 nothing, anything else simple text.
  static void append(const QL_String& source, const QL_String& outputPath, int type);
  // The same with the product's output path as the directory.
  static void append(const QL_String& source, int type);
  // Open a new output; type 2 or 3 creates a new error file for SOURCE in
  // the product's output path.
  static void open(const QL_String& source, int type);
  // Type 2 or 3 creates the error file named FILE itself.
  static void open_errfile(const QL_String& file, int type);
  // Closes the output; throws M_BadFileOpenException when an error file
  // did not take everything written to it.
  static void close();

  static void information(const U_BPtr<M_Diagnostic>& diag);
  static void error(const U_BPtr<M_Diagnostic>& diag);
  static void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record);

  static int numberOfInformations();
  static int numberOfErrors();
  static bool isOpen();
  static M_IOFormat::Type currentFormat();

  // Installs a sink directly (after closing the current one); for tests and
  // tools that bring their own sink.
  static void setSink(M_OutputBase* sink, M_IOFormat::Type type);
};

// Errors go to M_Output::error, everything else to M_Output::information.
void M_outputDiagnostic(const U_BPtr<M_Diagnostic>& diag);

// The output form chosen by the debug keywords of the command line:
// simpleoutput 0; textoutput or formatoutput 1; ktloutput 2; otherwise 3.
M_IOFormat::Type M_getErrorOutputFormat(const C_CmdArgs& cmdArgs);
M_IOFormat::Type M_getErrorOutputFormat(const U_BPtr<C_CmdArgs>& cmdArgs);

// Whether the text outputs show the diagnostic under the message options.
bool configEnabledMsg(const U_BPtr<M_Diagnostic>& diag);

#endif
