#ifndef REPORT_MARSHAL_REPORT_H
#define REPORT_MARSHAL_REPORT_H

#include <set>
#include <vector>

#include "util/U_String.h"

class OutputFormat;

// The report run, called once after every file has been read.
namespace Marshal_report {

// Writes the placeholders, the template sections (product KTLPP), the
// appendix (report type "Template Usage Report") and the generator section.
void do_all();

// Writes a placeholder document for each of the seven sections that does
// not exist yet; for an existing one the placeholder is kept aside, so that
// a run that fails leaves it as it was.  Exits with status 10 when one
// cannot be created.
void createEmptySectionFiles(const U_String& outputDirectory);

// Puts the placeholders kept aside in place of the documents the run did
// not write (`written` holds the paths of those it did), so that every
// document is this run's after a run.  Throws U_CannotWriteException.
void placeEmptySectionFiles(const std::set<U_String>& written);

// The seven section titles in writing order.
const std::vector<U_String>& sectionTitles();

}  // namespace Marshal_report

// The definition client of the report: it does nothing, its registration
// makes the readers deliver and keep every definition record.
void ignoreDefineCallback();

// The entries of "List of Analysed Files".
void buildAnalysedFileList(std::vector<U_String>& out);

namespace Gen {
// The name in its operating-system form.
U_String getOSFilenameUString(const U_String& name);
}  // namespace Gen

namespace Template_Usage_Appendix {
// Sections 3 to 6: summary, analysed files, analysis options, settings.
void writeTemplate_Usage_Appendix(OutputFormat* writer, const std::vector<U_String>& files);
}  // namespace Template_Usage_Appendix

namespace Template_Usage_KxdfGeneratorSection {
// Section 7: the program that created the report.
void writeTemplate_Usage_KxdfGeneratorSection(OutputFormat* writer);
}  // namespace Template_Usage_KxdfGeneratorSection

#endif
