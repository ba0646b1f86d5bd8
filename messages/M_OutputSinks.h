#ifndef MESSAGES_M_OUTPUTSINKS_H
#define MESSAGES_M_OUTPUTSINKS_H

#include "messages/M_Output.h"

// Plain text: one representation line per diagnostic on standard output.
class M_OutputSimple : public M_OutputBase {
 public:
  void close() override {}
  void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>&) override {}
};

// Formatted text: each diagnostic in the form of the "format" option (the
// default format when it is empty), then its sub-messages and the lines of
// its macro, instantiation, call and include context, one level deeper.
class M_OutputFormat : public M_OutputBase {
 public:
  void close() override {}
  void information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) override;
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>&) override {}
};

class M_OutputNull : public M_OutputBase {
 public:
  void close() override {}
  void information(const U_BPtr<M_Diagnostic>&, bool) override {}
  void error(const U_BPtr<M_Diagnostic>&, bool) override {}
  void suppressionRecord(const U_BPtr<M_SuppressionRecord>&) override {}
};

// The filter of the text sinks for informations.
bool M_textSinkShows(const U_BPtr<M_Diagnostic>& diag, bool suppressed);

// The lines the formatted-text sink writes for one diagnostic, each
// without its line end.
std::vector<U_String> M_formatDiagnosticLines(const U_String& format, const U_BPtr<M_Diagnostic>& diag);

#endif
