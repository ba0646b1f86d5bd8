#include "messages/P_DiagnosticInterface.h"

#include <memory>
#include <set>

#include "messages/Diagnostic.h"
#include "messages/M_Output.h"
#include "messages/M_Suppression.h"
#include "messages/M_formatMessage.h"
#include "util/U_Assert.h"
#include "util/U_Exception.h"

namespace {
// Texts handed out as const char* stay valid for the rest of the run.
const char* intern(const U_String& text) {
  static std::set<U_String>* store = new std::set<U_String>();
  return store->insert(text).first->c_str();
}

P_Location* newLocation(const U_Location& loc) { return new P_Location(loc); }
}  // namespace

P_Diagnostic* P_createDiagnostic(int id, const char* file, int line) {
  return P_createDiagnosticWithCol(id, file, line, 0);
}

P_Diagnostic* P_createDiagnosticWithCol(int id, const char* file, int line, int column) {
  return new P_Diagnostic(new M_Diagnostic(id, Diagnostic::makeLocation(file, line, column)));
}

void P_addDiagnosticParamName(P_Diagnostic* diag, const char* text) {
  U_ASSERT(0 != diag && "Diagnostic is unset");
  diag->diag->addParameter(text);
}

void P_addDiagnosticParamDiag(P_Diagnostic* diag, P_Diagnostic* sub) {
  U_ASSERT(0 != diag && 0 != sub && "Diagnostic is unset");
  diag->diag->addParameter(U_BPtr<M_Diagnostic>(new M_Diagnostic(*sub->diag)));
}

void P_warn(P_Diagnostic* diag) {
  if (!diag) return;
  // The handle is dead afterwards even when the output fails.
  const std::unique_ptr<P_Diagnostic> owned(diag);
  // A check in library mode may warn before PI_Initialise opened an output.
  if (!M_Output::isOpen())
    throw U_UserException("no diagnostic output is open (PI_Initialise opens it)");
  const M_Diagnostic& d = *diag->diag;
  if (!M_getPragmaSuppressions().isMessageSuppressed(d.getMsgNo(), d.getLocation()))
    M_outputDiagnostic(diag->diag);
}

int P_getDiagnosticID(P_Diagnostic* diag) { return diag ? diag->diag->getMsgNo() : 0; }
const char* P_getDiagnosticFilename(P_Diagnostic* diag) {
  return diag ? diag->diag->getLocation().getFilename().c_str() : "";
}
int P_getDiagnosticLine(P_Diagnostic* diag) { return diag ? diag->diag->getLocation().getLine() : 0; }
int P_getDiagnosticColumn(P_Diagnostic* diag) { return diag ? diag->diag->getLocation().getColumn() : 0; }

const char* P_getDiagnosticAsString(P_Diagnostic* diag, const char* format) {
  U_ASSERT(0 != diag && "Diagnostic is unset");
  U_ASSERT(0 != format && "Format is unset");
  return intern(M_formatMessage(format, diag->diag, 0));
}

P_Location* P_getDiagnosticLocation(P_Diagnostic* diag) {
  return newLocation(diag ? diag->diag->getLocation() : U_Location());
}
const char* P_getLocationFilename(P_Location* loc) { return loc ? loc->location.getFilename().c_str() : ""; }
int P_getLocationLine(P_Location* loc) { return loc ? loc->location.getLine() : 0; }
int P_getLocationColumn(P_Location* loc) { return loc ? loc->location.getColumn() : 0; }

const char* P_getSuppressionRecordTag(P_SuppressionRecord* rec) {
  return rec ? intern(rec->record->tag) : "";
}
int P_getSuppressionRecordKind(P_SuppressionRecord* rec) { return rec ? rec->record->kind : 0; }
P_Location* P_getSuppressionRecordTagLocation(P_SuppressionRecord* rec) {
  return rec ? newLocation(rec->record->tagLocation) : nullptr;
}
P_Location* P_getSuppressionRecordFromLocation(P_SuppressionRecord* rec) {
  return rec ? newLocation(rec->record->startLocation) : nullptr;
}
P_Location* P_getSuppressionRecordToLocation(P_SuppressionRecord* rec) {
  return (rec && rec->record->hasEnd) ? newLocation(rec->record->endLocation) : nullptr;
}
unsigned int P_getSuppressionMessageRangeCount(P_SuppressionRecord* rec) {
  return rec ? static_cast<unsigned int>(rec->record->messages.size()) : 0;
}
const char* P_getSuppressionMessageRangeStart(P_SuppressionRecord* rec, unsigned int index) {
  if (!rec || index >= rec->record->messages.size()) return nullptr;
  return intern(rec->record->messages[index].first);
}
const char* P_getSuppressionMessageRangeEnd(P_SuppressionRecord* rec, unsigned int index) {
  if (!rec || index >= rec->record->messages.size()) return nullptr;
  return intern(rec->record->messages[index].second);
}
