#ifndef MESSAGES_M_OUTPUTTESSEL_H
#define MESSAGES_M_OUTPUTTESSEL_H

#include <memory>

#include "messages/M_Output.h"
#include "messages/R_Binary.h"

class QL_String;

// Sink writing error files in the current record format.
class M_OutputTessel2 : public M_OutputBase {
 public:
  // Creates NAME with the header (0x9300, or 0x9200 when PARSEROUTPUT is
  // set) and a session start.  Throws M_BadFileOpenException.
  void open_errfile(const U_String& name, bool parserOutput = false);
  // Opens NAME for appending and writes a session start.
  void append_errfile(const U_String& name);
  void open(const QL_String& source);
  void append(const QL_String& source);
  void append(const QL_String& source, const QL_String& directory);

  void close() override;
  void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) override;
  ~M_OutputTessel2() override;

 private:
  std::unique_ptr<R_Writer> m_writer;
};

// Sink writing error files in the older record format (id 0x7900).  It
// cannot hold sub-messages or suppression records: sub-messages are left
// out, suppression records are not written.
class M_OutputTessel : public M_OutputBase {
 public:
  void open_errfile(const U_String& name);
  void append_errfile(const U_String& name);
  void open(const QL_String& source);
  void append(const QL_String& source);
  void append(const QL_String& source, const QL_String& directory);

  void close() override;
  void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) override;
  ~M_OutputTessel() override;

 private:
  void writeMessage(const M_Diagnostic& diag, bool suppressed);

  std::unique_ptr<R_Writer> m_writer;
  U_Filename m_lastFile;
  bool m_haveLastFile = false;
};

#endif
