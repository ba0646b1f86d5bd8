#ifndef MODEL_DEFINERECORDPARSER_H
#define MODEL_DEFINERECORDPARSER_H

#include <string_view>

#include "model/P_Define.h"
#include "util/U_BPtr.h"

// Turns the fields of one "DEFINE" record line into a P_Define.  Field
// letters map to the define's small numbers through the tables in the .cpp.
class DefineRecordParser {
 public:
  // Unset when the record is malformed: a missing field, a def or space
  // field not of two characters, a def field not starting with 'D', a line
  // that is not a number, or a tag whose type is not "{k...}".
  static U_BPtr<P_Define> parse(std::string_view line);

  static uint8_t defBits(char c);
  static uint8_t space(char first, char second);
  static uint8_t scope(char c);
  static uint8_t linkage(char c);
  static uint32_t flags(std::string_view letters);
};

#endif
