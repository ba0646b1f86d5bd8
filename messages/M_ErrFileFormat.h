#ifndef MESSAGES_M_ERRFILEFORMAT_H
#define MESSAGES_M_ERRFILEFORMAT_H

#include <cstdint>

// Format ids of error files (the first integer of the file).
namespace M_ErrFileFormat {
constexpr int32_t kOld7700 = 0x7700;
constexpr int32_t kOld7800 = 0x7800;
constexpr int32_t kOld7900 = 0x7900;
constexpr int32_t kCur8100 = 0x8100;
constexpr int32_t kCur8200 = 0x8200;
constexpr int32_t kCur9100 = 0x9100;
constexpr int32_t kCur9200 = 0x9200;
constexpr int32_t kCur9300 = 0x9300;
constexpr int32_t kCurrent = kCur9300;

enum class Family { Unknown, Older, Current };
Family familyOf(int32_t formatId);
// Whether the run may append to a file with this id.
bool canAppend(int32_t formatId);

// Record type bytes of the current format.
constexpr uint8_t kRecSessionStart = 1;
constexpr uint8_t kRecDiagnostic = 2;
constexpr uint8_t kRecSuppression = 4;
constexpr uint8_t kRecDiagnosticTagged = 8;

// Parameter kind bytes.
constexpr uint8_t kParamString = 1;
constexpr uint8_t kParamList = 2;
constexpr uint8_t kParamMsgList = 4;

// Location flag bits.
constexpr uint8_t kLocIncl = 1;
constexpr uint8_t kLocInst = 2;
constexpr uint8_t kLocMacro = 4;
constexpr uint8_t kLocHashLine = 8;
constexpr uint8_t kLocCall = 16;

// Diagnostic flag bits.
constexpr int32_t kFlagHidden = 1;
constexpr int32_t kFlagUserHidden = 2;

// Record types of the older format.
constexpr int32_t kOldMessage0 = 0;
constexpr int32_t kOldFileChange = 1;
constexpr int32_t kOldMessage1 = 2;
constexpr int32_t kOldMessage2 = 3;

// Deepest nesting of sub-messages and locations accepted when reading; a
// deeper file is taken as corrupt.
constexpr int kMaxNesting = 100;
}  // namespace M_ErrFileFormat

#endif
