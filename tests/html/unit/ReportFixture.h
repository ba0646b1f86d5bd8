#ifndef TESTS_HTML_REPORTFIXTURE_H
#define TESTS_HTML_REPORTFIXTURE_H

#include <string>

#include "TempDir.h"
#include "html/Document.h"

// A kxdf section document around the given body.
inline std::string sectionXml(const std::string& body) {
  return "<?xml version='1.0' encoding='UTF-8' standalone='yes'?>\n\n"
         "<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0'\n"
         " xmlns:kxdf='urn:test:kxdf'\n >\n" +
         body + "</kxdf:section>\n";
}

// The parsed section element of sectionXml(body); empty when it fails.
inline kxdf_html::Node parseSection(const std::string& body) {
  return kxdf_html::parseDocument(sectionXml(body), "test.xml").root;
}

// A framed fragment as the report writes it.
inline std::string frameXml(const std::string& text) {
  return "<kxdf:table class='box' width='100%' formating='2'>\n<kxdf:col_width width='100%'/>\n"
         "<kxdf:row>\n<kxdf:cell heading='1' align='left'>\n<kxdf:verbatim>" +
         text + "</kxdf:verbatim>\n</kxdf:cell>\n</kxdf:row>\n</kxdf:table>\n";
}

// The seven document names of a report directory.
inline const char* const kReportDocuments[] = {
    "template_usage_class_templates.kxdf.xml",        "template_usage_function_templates.kxdf.xml",
    "template_usage_analysis_of_c++_templates.kxdf.xml", "template_usage_list_of_analysed_files.kxdf.xml",
    "template_usage_personality_options.kxdf.xml",    "template_usage_report_settings.kxdf.xml",
    "template_usage_kxdf_generator_info.kxdf.xml",
};

// Fills dir with a small complete report: one class template with a
// fragment from a numbered copy of "src/box.h", everything else empty.
inline void writeSmallReport(const TempDir& dir) {
  for (const char* name : kReportDocuments) dir.write(name, sectionXml(""));
  dir.write(kReportDocuments[0],
            sectionXml("<kxdf:h2>Class Template Usage</kxdf:h2>\n"
                       "<kxdf:h3>Box Primary Class Template</kxdf:h3>\n"
                       "<kxdf:filelink href='/x/box.h.txt'>src/box.h</kxdf:filelink>\n<kxdf:eoln/>\n" +
                       frameXml("2: template &lt;typename T&gt;\n3: struct Box {\n")));
  dir.write("box.h.txt",
            "src/box.h\n*********\n\n1: // box\n2: template <typename T>\n3: struct Box {\n4: };\n");
}

#endif
