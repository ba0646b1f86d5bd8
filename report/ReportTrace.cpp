#include "report/ReportTrace.h"

namespace ReportTrace {

namespace {
Writer& installed() {
  static Writer writer = nullptr;
  return writer;
}
}  // namespace

void setWriter(Writer writer) { installed() = writer; }

void writeln(const U_String& line) {
  if (Writer writer = installed()) writer(line);
}

}  // namespace ReportTrace
