#include <climits>
#include <cstdio>
#include <cstdlib>

#include "messages/FM_ParseInfo.h"

namespace {

// Upper bounds on generated text, so that a hostile format or a corrupt
// column cannot make the output explode.
constexpr int kMaxRepeat = 10000;
constexpr int kMaxCaretColumn = 4096;

[[noreturn]] void failAt(FM_TokenPos pos, FM_TokenPos end) {
  throw FM_ParseException(FM_getTokensAsStr(pos, end));
}

const FM_LexToken& next(FM_TokenPos& pos, FM_TokenPos end) {
  if (pos == end) throw FM_ParseException("Unexpected end");
  return **pos++;
}

int literalValue(const U_String& text) {
  long v = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
}

// The numeric value of the property or number token at POS.
int valueOf(FM_TokenPos& pos, FM_TokenPos end, const FM_ParseInfo& info) {
  FM_TokenPos at = pos;
  const FM_LexToken& t = next(pos, end);
  switch (t.getKind()) {
    case FM_LEVEL: return info.getMsgLevel();
    case FM_MSGNO: return info.getMsgNo();
    case FM_LINE: return info.getLine();
    case FM_COL: return info.getCol();
    case FM_ZCOL: return info.getZCol();
    case FM_SUBLEVEL: return info.getSubLevel();
    case FM_HARD: return info.isHardError() ? 1 : 0;
    case FM_COND_VERBOSE: return info.getVerbose().empty() ? 0 : 1;
    case FM_COND_FILE: return info.isLocationFileDifferent() ? 1 : 0;
    case FM_FILELINE: return info.isLocationFileAndLineDifferent() ? 1 : 0;
    case FM_COND_LOC: return info.isLocationDifferent() ? 1 : 0;
    case FM_WRAP_HARD: return info.getWrapKind() == FM_ParseInfo::WrapHard ? 1 : 0;
    case FM_WRAP_WORD: return info.getWrapKind() == FM_ParseInfo::WrapWord ? 1 : 0;
    case FM_WRAP_CUT: return info.getWrapKind() == FM_ParseInfo::WrapCut ? 1 : 0;
    case FM_NUM: return static_cast<const FM_LexNumToken&>(t).getValue();
    case FM_ALPHA:  // its leading decimal digits; 0 when it has none
      return literalValue(static_cast<const FM_LexAlphaToken&>(t).getValue());
    default: failAt(at, end);
  }
}

bool conditionHolds(FM_TokenPos& pos, FM_TokenPos end, const FM_ParseInfo& info) {
  int value = valueOf(pos, end, info);
  FM_TokenPos at = pos;
  int op = next(pos, end).getKind();
  if (op == FM_COND_END) return value != 0;
  if (op < FM_LE || op > FM_NE || pos == end || (*pos)->getKind() != FM_NUM) failAt(at, end);
  int number = static_cast<const FM_LexNumToken&>(**pos++).getValue();
  switch (op) {
    case FM_LE: return value <= number;
    case FM_LT: return value < number;
    case FM_GE: return value >= number;
    case FM_GT: return value > number;
    case FM_EQ: return value == number;
    default: return value != number;
  }
}

// Moves POS over one part of a group without evaluating it, to the "%:"
// or "%)" that ends it at this nesting depth.
void skipPart(FM_TokenPos& pos, FM_TokenPos end) {
  int depth = 0;
  for (; pos != end; ++pos) {
    int kind = (*pos)->getKind();
    if (kind == FM_OPEN) ++depth;
    if (depth == 0 && (kind == FM_ELSE || kind == FM_CLOSE)) return;
    if (kind == FM_CLOSE) --depth;
  }
}

// "%?" COND "%(" THEN ["%:" ELSE] "%)"
U_String evaluateGroup(FM_TokenPos& pos, FM_TokenPos end, FM_ParseInfo& info) {
  bool holds = conditionHolds(pos, end, info);
  FM_TokenPos at = pos;
  if (next(pos, end).getKind() != FM_OPEN) failAt(at, end);
  U_String out;
  if (holds) out = FM_parseTokens(pos, end, info);
  else skipPart(pos, end);
  if (pos == end) throw FM_ParseException("Unexpected end");
  if ((*pos)->getKind() == FM_ELSE) {
    ++pos;
    if (!holds) out = FM_parseTokens(pos, end, info);
    else skipPart(pos, end);
  }
  if (pos == end || (*pos)->getKind() != FM_CLOSE) throw FM_ParseException("Unexpected end");
  ++pos;
  return out;
}

// A caret under the column of a source line printed above; it also makes
// this location the one later diagnostics are compared with.
U_String caret(FM_ParseInfo& info) {
  int col = info.getCol();
  if (col <= 0 || (info.getSubLevel() != 0 && info.isLocationFileAndLineDifferent())) return U_String();
  info.setUpdateLocation(true);
  int blanks = col - 1 > kMaxCaretColumn ? kMaxCaretColumn : col - 1;
  return U_String(static_cast<size_t>(blanks), ' ') + "^";
}

U_String msgNo4(int msgNo) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", msgNo);
  return buf;
}

// The output of a token that stands for itself or for a diagnostic value.
U_String outputOf(const FM_LexToken& t, FM_TokenPos at, FM_TokenPos end, FM_ParseInfo& info) {
  switch (t.getKind()) {
    case FM_ALPHA:
    case FM_NUM: return FM_getTokenStr(t);
    case FM_LEVEL: return std::to_string(info.getMsgLevel());
    case FM_MSGNO: return std::to_string(info.getMsgNo());
    case FM_MSGNO4: return msgNo4(info.getMsgNo());
    case FM_RELFILE: return info.getRelFile();
    case FM_ABSFILE: return info.getAbsFile();
    case FM_BASENAME: return info.getBasename();
    case FM_LINE: return std::to_string(info.getLine());
    case FM_COL: return std::to_string(info.getCol());
    case FM_ZCOL: return std::to_string(info.getZCol());
    case FM_SUBLEVEL: return std::to_string(info.getSubLevel());
    case FM_CARET: return caret(info);
    case FM_TEXT: return info.getText();
    case FM_VERBOSE: return info.getVerbose();
    case FM_FILELINE: return "L";
    default: failAt(at, end);
  }
}

}  // namespace

U_String FM_parseTokens(FM_TokenPos& pos, FM_TokenPos end, FM_ParseInfo& info) {
  U_String out;
  while (pos != end) {
    FM_TokenPos at = pos;
    const FM_LexToken& t = **pos;
    int kind = t.getKind();
    if (kind == FM_ELSE || kind == FM_CLOSE) break;
    ++pos;
    switch (kind) {
      case FM_IF:
        out += evaluateGroup(pos, end, info);
        break;
      case FM_WRAP_HARD:
      case FM_WRAP_WORD:
      case FM_WRAP_CUT:
        info.setWrapKind(static_cast<FM_ParseInfo::WrapKind>(kind - FM_WRAP_HARD + 1));
        info.setWrapSize(valueOf(pos, end, info));
        break;
      case FM_WRAP_TEXT: {
        FM_TokenPos textAt = pos;
        info.setWrapText(outputOf(next(pos, end), textAt, end, info));
        break;
      }
      case FM_UPDATE_LOC:
        info.setUpdateLocation(true);
        break;
      case FM_RESET_LOC:
        info.setResetLocation(true);
        break;
      case FM_REPEAT: {
        int count = valueOf(pos, end, info);
        FM_TokenPos textAt = pos;
        U_String text = outputOf(next(pos, end), textAt, end, info);
        for (int i = 0; i < count && i < kMaxRepeat && text.size() <= info.repeatBudget(); ++i) {
          out += text;
          info.repeatBudget() -= text.size();
        }
        break;
      }
      default:
        out += outputOf(t, at, end, info);
    }
  }
  return out;
}
