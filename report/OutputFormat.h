#ifndef REPORT_OUTPUTFORMAT_H
#define REPORT_OUTPUTFORMAT_H

#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "util/U_ReplacingFile.h"
#include "util/U_String.h"

// The layout vocabulary the report writes through.  One document is
// written per section, between sectionStart and sectionEnd, into the
// output directory given at construction.
class OutputFormat {
 public:
  explicit OutputFormat(const U_String& outputDirectory);
  OutputFormat(const OutputFormat&) = delete;
  OutputFormat& operator=(const OutputFormat&) = delete;
  virtual ~OutputFormat();

  // Texts are given in the internal encoding, except the file names of
  // printFileLink and writeFileList, which are given as the file system
  // spells them; the writer puts each into the documents' own encoding.
  virtual void sectionStart(const U_String& title) = 0;
  virtual void sectionEnd() = 0;
  virtual void dividerMarker(const U_String& name) = 0;
  virtual void new_line() = 0;
  virtual void line_separator() = 0;
  virtual void nbsp() = 0;
  virtual void main_heading_h2(const U_String& text) = 0;
  virtual void sub_heading_h3(const U_String& text) = 0;
  virtual void sub_heading_h4(const U_String& text) = 0;
  virtual void sub_heading_h5(const U_String& text) = 0;
  virtual void printFileLink(const U_String& file) = 0;
  virtual void printPlainText(const U_String& text) = 0;
  virtual void printPlainBoldText(const U_String& text) = 0;
  virtual void printPlainTextRaw(const U_String& text) = 0;
  virtual void textInFrame(const U_String& text) = 0;
  virtual void tableEnd() = 0;
  virtual void verbatimStart() = 0;
  virtual void verbatimEnd() = 0;
  virtual void verbatimLine(const U_String& text) = 0;
  virtual void writeSummary(unsigned int, unsigned int, unsigned int, unsigned int, unsigned int,
                            unsigned int, const U_String&, const U_String&, const U_String&,
                            const U_String&, const U_String&, unsigned int, unsigned int,
                            unsigned int, unsigned int, const U_String&, bool) = 0;
  virtual void startAppendix(std::vector<U_String>& lines) = 0;
  virtual void writeFileList(const std::vector<U_String>& files) = 0;
  virtual void writeAnalysisOptions() = 0;
  virtual void writePersonOptions(std::vector<U_String>& lines) = 0;
  virtual void writeStart() = 0;
  virtual void writeEnd() = 0;

  void initialiseDividerMarkerCounter() { m_dividerCounter = 0; }
  // Writes `text` to the current document as it is: no escaping, no line end.
  void write(const U_String& text);
  // The paths of the documents put in place so far.
  const std::set<U_String>& documentsWritten() const { return m_written; }

 protected:
  const U_String& outputDirectory() const { return m_outputDirectory; }
  // The current document; before the first section, a stream that drops
  // everything.
  std::ostream& stream();
  // Starts a new document for `path`, written aside and put in place by
  // closeStream().  Throws U_CannotWriteException when it cannot be made.
  void openStream(const U_String& path);
  // Puts the finished document in place of `path`.  Throws
  // U_CannotWriteException when any of it could not be written.
  void closeStream();
  int nextDividerNumber() { return ++m_dividerCounter; }

 private:
  U_String m_outputDirectory;
  std::unique_ptr<U_ReplacingFile> m_file;
  std::set<U_String> m_written;
  int m_dividerCounter = 0;
};

#endif
