#ifndef REPORT_XMLFORMAT_H
#define REPORT_XMLFORMAT_H

#include "report/OutputFormat.h"

// Writes each report section as a kxdf XML document named after its title,
// and beside it a line-numbered text copy of every source file it links to.
class XMLFormat : public OutputFormat {
 public:
  explicit XMLFormat(const U_String& outputDirectory);

  // The namespace URI bound to the kxdf prefix in every document.
  static const char* kxdfNamespace();

  void sectionStart(const U_String& title) override;
  void sectionEnd() override;
  void dividerMarker(const U_String& name) override;
  void new_line() override;
  void line_separator() override;
  void nbsp() override;
  void main_heading_h2(const U_String& text) override;
  void sub_heading_h3(const U_String& text) override;
  void sub_heading_h4(const U_String& text) override;
  void sub_heading_h5(const U_String& text) override;
  void printFileLink(const U_String& file) override;
  void printPlainText(const U_String& text) override;
  void printPlainBoldText(const U_String& text) override;
  void printPlainTextRaw(const U_String& text) override;
  void textInFrame(const U_String& text) override;
  void tableEnd() override;
  void verbatimStart() override;
  void verbatimEnd() override;
  void verbatimLine(const U_String& text) override;
  void writeSummary(unsigned int, unsigned int, unsigned int, unsigned int, unsigned int,
                    unsigned int, const U_String&, const U_String&, const U_String&,
                    const U_String&, const U_String&, unsigned int, unsigned int, unsigned int,
                    unsigned int, const U_String&, bool) override;
  void startAppendix(std::vector<U_String>& lines) override;
  void writeFileList(const std::vector<U_String>& files) override;
  void writeAnalysisOptions() override;
  void writePersonOptions(std::vector<U_String>& lines) override;
  void writeStart() override;
  void writeEnd() override;

  void writeStandardNote();
  void writeLinesOfText(std::vector<U_String>& lines);
  void writeMessGroupOff();
  void writeMessGroupOn();
  void writeMessSummary();

 private:
  // Writes `text` and a line end, and flushes.
  void line(const U_String& text);
  void element(const char* open, const U_String& text, const char* close);
};

// Writes `target`: a header naming `source`, then every line of `source`
// behind its right-aligned line number.  The copy is written aside and put
// in place when complete.  A target that cannot be created ends the run
// with status 10; one that cannot be written in full throws
// U_CannotWriteException.
void writeNumberedSourceCopy(const U_String& source, const U_String& target);

#endif
