#include "messages/M_formatMessage.h"

#include <cstdio>

#include "messages/FM_ParseInfo.h"
#include "messages/M_MessageTable.h"
#include "messages/M_Settings.h"

const char* const M_DEFAULT_MESSAGE_FORMAT = ":%l:%c: %?u==0%(%?h%(Err%:Msg%)%:-->%) (%g;%N) %R(%u,  )%t";

namespace {

U_Location& previousLocation() {
  static U_Location previous;
  return previous;
}

// "<NL>" and "<TB>" in a format stand for a newline and a tab.
U_String translateMsgEscapes(const U_String& text) {
  U_String out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 4, "<NL>") == 0) {
      out += '\n';
      i += 3;
    } else if (text.compare(i, 4, "<TB>") == 0) {
      out += '\t';
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

U_String evaluate(const U_String& format, FM_ParseInfo& info) {
  FM_TokenList tokens;
  FM_tokenizeFormatStr(format.begin(), format.end(), tokens);
  FM_TokenPos pos = tokens.begin();
  // A "%:" or "%)" outside any group ends the format.
  return FM_parseTokens(pos, tokens.end(), info);
}

}  // namespace

U_String M_formatMessage(const U_String& format, const U_BPtr<M_Diagnostic>& diag, int subLevel) {
  FM_ParseInfo info(subLevel, diag, previousLocation());
  U_String result;
  try {
    result = FM_wrapText(evaluate(translateMsgEscapes(format), info), info, M_Settings::tabStop());
  } catch (const FM_ParseException& e) {
    return e.what();
  }
  if (M_Settings::hasDebug("show-format")) std::printf("%s\n", result.c_str());
  if (info.getResetLocation())
    previousLocation() = U_Location();
  else if (info.getUpdateLocation())
    previousLocation() = info.getDiagnostic().getLocation();
  return result;
}

void M_resetMessageFormatter() { previousLocation() = U_Location(); }

U_String M_formatAndAddParameter(const M_Diagnostic& diag, bool verbose) {
  M_MsgInfo info = M_getMsgInfo(diag.getMsgNo());
  const U_String text = verbose ? info.verbose : info.text;
  U_String out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    char n = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '%' && n >= '1' && n <= '9') {
      int index = n - '1';
      if (index < diag.parameters()) out += diag.parameter(index)->getRepresentation();
      ++i;
    } else if (c == '%' && n == '%') {
      out += '%';
      ++i;
    } else {
      out += c;
    }
  }
  // A message without a known text still shows what it is about.
  if (!info.known && !out.empty() && diag.parameters() > 0) {
    out += ": ";
    for (int i = 0; i < diag.parameters(); ++i) {
      if (i) out += ", ";
      out += diag.parameter(i)->getRepresentation();
    }
  }
  return out;
}
