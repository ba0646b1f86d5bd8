#include "messages/M_OutputSinks.h"

#include <cstdio>

#include "messages/M_Settings.h"
#include "messages/M_SubMsgs.h"
#include "messages/M_formatMessage.h"

bool M_textSinkShows(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (suppressed && !M_Settings::hiddenWarnings()) return false;
  if (M_Settings::isSuppressedFile(diag->getLocation().getFilename())) return false;
  return configEnabledMsg(diag);
}

void M_OutputSimple::information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (M_textSinkShows(diag, suppressed)) error(diag, suppressed);
}

void M_OutputSimple::error(const U_BPtr<M_Diagnostic>& diag, bool) {
  std::fputs((diag->getRepresentation() + "\n").c_str(), stdout);
  std::fflush(stdout);
}

namespace {

void appendLines(const U_String& format, const U_BPtr<M_Diagnostic>& diag, int level,
                 std::vector<U_String>& lines) {
  lines.push_back(M_formatMessage(format, diag, level));
  if (level > 50) return;  // sub-messages nest only so deep in practice
  M_DiagnosticMsgList subs;
  for (int i = 0; i < diag->parameters(); ++i)
    if (auto* list = dynamic_cast<const M_ParamMsgListType*>(diag->parameter(i).pointer()))
      subs.insert(subs.end(), list->getMsgList().begin(), list->getMsgList().end());
  M_getLocationSubMsgList(diag->getLocation(), M_CTX_ALL, subs);
  for (const auto& sub : subs)
    if (sub.isSet()) appendLines(format, sub, level + 1, lines);
}

}  // namespace

std::vector<U_String> M_formatDiagnosticLines(const U_String& format, const U_BPtr<M_Diagnostic>& diag) {
  std::vector<U_String> lines;
  appendLines(format, diag, 0, lines);
  return lines;
}

void M_OutputFormat::information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (M_textSinkShows(diag, suppressed)) error(diag, suppressed);
}

void M_OutputFormat::error(const U_BPtr<M_Diagnostic>& diag, bool) {
  U_String format = M_Settings::format();
  if (format.empty()) format = M_DEFAULT_MESSAGE_FORMAT;
  for (const auto& line : M_formatDiagnosticLines(format, diag)) std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}
