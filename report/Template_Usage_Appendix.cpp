// The appendix sections and the generator section of the report.
#include "report/Marshal_report.h"
#include "report/OutputFormat.h"
#include "report/ReportOptionsSection.h"
#include "report/ReportTrace.h"

namespace Template_Usage_Appendix {

namespace {

struct SummaryLine {
  const char* text;
  int newLines;
};

// The summary text of "Analysis of C++ Templates", each line with the
// number of line breaks that follow it.
const SummaryLine kSummary[] = {
    {"This report lists C++ class and function template definitions.", 2},
    {"Class templates are listed, with relevant code fragment, as:", 1},
    {"- primary class template definitions,", 1},
    {"- partial class template definitions,", 1},
    {"- explicit class template definitions.", 2},
    {"Instantiated members of the above templates are listed.", 1},
    {"Object instantiations of the above templates are listed.", 2},
    {"Note, by definition a class template cannot be overloaded.  (In the same fashion that a "
     "non-template class cannot be overloaded.)",
     1},
    {"Note, instances of static member definitions are not listed.", 2},
    {"Function template definitions are listed with relevant code fragment.", 1},
    {"Function template instantiations are not listed, however files containing "
     "instantiations of each instantiated function template are listed.",
     2},
    {"Note, by definition a function template can be overloaded.  (In the same fashion that a "
     "non-template function can be overloaded.)",
     0},
};

}  // namespace

void writeTemplate_Usage_Appendix(OutputFormat* writer, const std::vector<U_String>& files) {
  writer->sectionStart("Template Usage Analysis of C++ Templates");
  writer->main_heading_h2("Analysis Summary");
  writer->sub_heading_h3("Analysis of C++ Templates");
  for (const SummaryLine& line : kSummary) {
    writer->printPlainText(line.text);
    for (int i = 0; i < line.newLines; ++i) writer->new_line();
  }
  writer->sectionEnd();

  writer->sectionStart("Template Usage List of Analysed Files");
  writer->sub_heading_h3("List of Analysed Files");
  writer->writeFileList(files);
  writer->sectionEnd();

  writer->sectionStart("Template Usage Personality Options");
  writer->sub_heading_h3("Analysis Options");
  ReportTrace::writeln("Calling ReportOptionsSection::writePersonSettings()");
  ReportOptionsSection::writePersonSettings(writer);
  writer->sectionEnd();

  writer->sectionStart("Template Usage Report Settings");
  writer->sub_heading_h3("Report Settings");
  ReportTrace::writeln("Calling ReportOptionsSection::writeTemplate_Usage_ReportOptions()");
  ReportOptionsSection::writeTemplate_Usage_ReportOptions(writer);
  writer->sectionEnd();
}

}  // namespace Template_Usage_Appendix

namespace Template_Usage_KxdfGeneratorSection {

void writeTemplate_Usage_KxdfGeneratorSection(OutputFormat* writer) {
  writer->sectionStart("Template Usage KXDF Generator Info");
  writer->sub_heading_h3("Program Details");
  writer->printPlainText("Created by Halcyra template_usage.kxdf.generator version 1.0");
  writer->sectionEnd();
}

}  // namespace Template_Usage_KxdfGeneratorSection
