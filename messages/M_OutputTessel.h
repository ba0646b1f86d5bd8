#ifndef MESSAGES_M_OUTPUTTESSEL_H
#define MESSAGES_M_OUTPUTTESSEL_H

#include <memory>

#include "messages/M_Output.h"
#include "messages/R_Binary.h"

class QL_String;

// What the two error-file sinks share: the writer, where a source's error
// file lies, closing, and leaving out what the run's settings suppress.
// Each record format writes its own header and records.
class M_ErrFileSink : public M_OutputBase {
 public:
  // Creates NAME with the format's header.  Throws M_BadFileOpenException.
  virtual void open_errfile(const U_String& name) = 0;
  // Opens NAME for appending.  Throws M_BadFileOpenException.
  virtual void append_errfile(const U_String& name) = 0;
  // The error file of SOURCE in the product's output path, or in DIRECTORY.
  void open(const QL_String& source);
  void append(const QL_String& source);
  void append(const QL_String& source, const QL_String& directory);

  void close() override;
  // Written as error() unless the file or message is suppressed for the run.
  void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  ~M_ErrFileSink() override;

 protected:
  std::unique_ptr<R_Writer> m_writer;
};

// Sink writing error files in the current record format.
class M_OutputTessel2 : public M_ErrFileSink {
 public:
  // Header 0x9300, or 0x9200 when PARSEROUTPUT is set, then a session start.
  void open_errfile(const U_String& name, bool parserOutput);
  void open_errfile(const U_String& name) override { open_errfile(name, false); }
  // Writes a session start after what the file holds.
  void append_errfile(const U_String& name) override;

  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) override;
};

// Sink writing error files in the older record format (id 0x7900).  It
// cannot hold sub-messages or suppression records: sub-messages are left
// out, suppression records are not written.
class M_OutputTessel : public M_ErrFileSink {
 public:
  void open_errfile(const U_String& name) override;
  void append_errfile(const U_String& name) override;

  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) override;

 private:
  void writeMessage(const M_Diagnostic& diag, bool suppressed);

  U_Filename m_lastFile;
  bool m_haveLastFile = false;
};

#endif
