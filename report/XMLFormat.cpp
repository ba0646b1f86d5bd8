#include "report/XMLFormat.h"

#include "report/XMLEscape.h"
#include "report/XMLText.h"
#include "report/Xutil.h"

XMLFormat::XMLFormat(const U_String& outputDirectory) : OutputFormat(outputDirectory) {}

const char* XMLFormat::kxdfNamespace() { return Xutil::KXDF_NAMESPACE_URI; }

void XMLFormat::line(const U_String& text) {
  std::ostream& out = stream();
  out << text << '\n';
  out.flush();
}

void XMLFormat::element(const char* open, const U_String& text, const char* close) {
  line(open + escapeXmlText(xmlDocumentText(text)) + close);
}

void XMLFormat::dividerMarker(const U_String& name) {
  const int number = nextDividerNumber();
  const U_String shown = name.substr(0, name.find('('));
  element("<kxdf:divider>", std::to_string(number) + " - " + shown, "</kxdf:divider>");
}

void XMLFormat::new_line() { line("<kxdf:eoln/>"); }
void XMLFormat::line_separator() { line("<kxdf:separator/>"); }
void XMLFormat::nbsp() { write("<kxdf:nbsp/>"); }

void XMLFormat::main_heading_h2(const U_String& text) { element("<kxdf:h2>", text, "</kxdf:h2>"); }
void XMLFormat::sub_heading_h3(const U_String& text) { element("<kxdf:h3>", text, "</kxdf:h3>"); }
void XMLFormat::sub_heading_h4(const U_String& text) { element("<kxdf:h4>", text, "</kxdf:h4>"); }
void XMLFormat::sub_heading_h5(const U_String& text) { element("<kxdf:h5>", text, "</kxdf:h5>"); }

void XMLFormat::printPlainText(const U_String& text) {
  element("<kxdf:text>", text, "</kxdf:text>");
}

void XMLFormat::printPlainBoldText(const U_String& text) {
  element("<kxdf:text bold='1'>", text, "</kxdf:text>");
}

void XMLFormat::printPlainTextRaw(const U_String& text) {
  line("<kxdf:text>" + xmlDocumentText(text) + "</kxdf:text>");
}

// A code fragment in a one-cell box; an empty fragment leaves no trace.
void XMLFormat::textInFrame(const U_String& text) {
  if (text.empty()) return;
  line("<kxdf:table class='box' width='100%' formating='2'>");
  line("<kxdf:col_width width='100%'/>");
  line("<kxdf:row>");
  line("<kxdf:cell heading='1' align='left'>");
  element("<kxdf:verbatim>", text, "</kxdf:verbatim>");
  line("</kxdf:cell>");
  line("</kxdf:row>");
  line("</kxdf:table>");
}

void XMLFormat::tableEnd() { line("</kxdf:table>"); }
void XMLFormat::verbatimStart() { line("<kxdf:verbatim>"); }
void XMLFormat::verbatimEnd() { line("</kxdf:verbatim>"); }
void XMLFormat::verbatimLine(const U_String& text) { line(escapeXmlText(xmlDocumentText(text))); }

void XMLFormat::writeFileList(const std::vector<U_String>& files) {
  line("<kxdf:file_list>");
  for (const U_String& file : files)
    line("<kxdf:filename>" + escapeXmlText(xmlDocumentFilename(file)) + "</kxdf:filename>");
  line("</kxdf:file_list>");
}

// Operations of the general writer vocabulary that this report has no
// content for leave a comment naming themselves.
void XMLFormat::writeSummary(unsigned int, unsigned int, unsigned int, unsigned int, unsigned int,
                             unsigned int, const U_String&, const U_String&, const U_String&,
                             const U_String&, const U_String&, unsigned int, unsigned int,
                             unsigned int, unsigned int, const U_String&, bool) {
  line("<!-- writeSummary -->");
}
void XMLFormat::startAppendix(std::vector<U_String>&) { line("<!-- startAppendix -->"); }
void XMLFormat::writeAnalysisOptions() { line("<!-- writeAnalysisOptions -->"); }
void XMLFormat::writePersonOptions(std::vector<U_String>&) { line("<!-- writePersonOptions -->"); }
void XMLFormat::writeLinesOfText(std::vector<U_String>&) { line("<!-- writeLinesOfText -->"); }
void XMLFormat::writeMessGroupOff() { line("<!-- writeMessGroupOff -->"); }
void XMLFormat::writeMessGroupOn() { line("<!-- writeMessGroupOn -->"); }
void XMLFormat::writeMessSummary() { line("<!-- writeMessSummary -->"); }
void XMLFormat::writeStart() {}
void XMLFormat::writeStandardNote() {}
void XMLFormat::writeEnd() { line("<!-- writeEnd -->"); }
