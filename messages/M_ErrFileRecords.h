#ifndef MESSAGES_M_ERRFILERECORDS_H
#define MESSAGES_M_ERRFILERECORDS_H

#include "messages/M_Diagnostic.h"
#include "messages/M_SuppressionRecord.h"
#include "messages/R_Binary.h"

// Bodies of the current error-file format: locations, file names,
// identifiers, diagnostics with their parameters, suppression records.
void R_writeLocation(R_Writer& w, const U_Location& location);
void R_writeFilename(R_Writer& w, const U_Filename& file);
void R_writeIdentifier(R_Writer& w, const U_String& identifier);
// FLAGS is the flags word (suppressed state in bit 0, user-hidden in bit 1).
void R_writeDiagnostic(R_Writer& w, const M_Diagnostic& diag, int32_t flags);
void R_writeSuppressionRecord(R_Writer& w, const M_SuppressionRecord& record);

U_Location R_readLocation(R_Reader& r, int depth = 0);
U_Filename R_readFilename(R_Reader& r);
U_String R_readIdentifier(R_Reader& r);
U_BPtr<M_Diagnostic> R_readDiagnostic(R_Reader& r, int depth = 0);
U_BPtr<M_SuppressionRecord> R_readSuppressionRecord(R_Reader& r);

// Writes one parameter of a diagnostic.
class R_writeParamTypeVisitor : public M_ParamTypeNav {
 public:
  explicit R_writeParamTypeVisitor(R_Writer& w) : m_writer(w) {}
  void onNode(const M_ParamStringType& p) const override;
  void onNode(const M_ParamEntityType& p) const override;
  void onNode(const M_ParamListType& p) const override;
  void onNode(const M_ParamMsgListType& p) const override;

 private:
  R_Writer& m_writer;
};

#endif
