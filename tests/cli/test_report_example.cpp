// The bundled example project (a sensor logger on a small event-queue
// library): its report lists each template with the specialisations,
// members, variables and instantiating units its sources have, with code
// fragments at the right lines.
#include <filesystem>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;
namespace fs = std::filesystem;

namespace {

// Runs the program as run.sh does: the record files are copied into the
// report folder and the program runs in the project directory.  Returns
// the report folder.
std::string writeExampleReport(CliSandbox& box) {
  const fs::path project = fs::path(TUK_TEST_DATA_DIR) / ".." / ".." / "examples" / "project";
  if (!fs::exists(project / "run.sh")) return "";
  fs::copy(project, box.workDir(), fs::copy_options::recursive);
  const std::string report = fs::canonical(box.workDir()).string() + "/report";
  fs::create_directory(report);
  for (const auto& entry : fs::directory_iterator(box.workPath("out")))
    fs::copy_file(entry.path(), report + "/" + entry.path().filename().string());
  CliResult r = box.run({"ktlpp", "-via", "settings.via", "-op", report, "-cmaf",
                         report + "/project.cma", "-list", "files.lst"});
  EXPECT_EQ(r.status, 0) << r.err;
  return r.status == 0 ? report : "";
}

// The part of a document from `heading` up to the next h3 heading.
std::string partFrom(const std::string& doc, const std::string& heading) {
  const size_t from = doc.find(heading);
  if (from == std::string::npos) return "";
  const size_t to = doc.find("<kxdf:h3>", from + heading.size());
  return doc.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

std::string fileLinkTail(const std::string& file) { return "/" + file + "</kxdf:filelink>"; }

}  // namespace

TEST(ReportExample, TemplatesWithSpecialisationsMembersVariablesAndInstantiatingUnits) {
  CliSandbox box;
  const std::string report = writeExampleReport(box);
  ASSERT_FALSE(report.empty());
  const std::string classes = box.readFile("report/template_usage_class_templates.kxdf.xml");

  const std::string queue = partFrom(classes, h3("evq::Queue Primary Class Template"));
  ASSERT_FALSE(queue.empty());
  EXPECT_TRUE(containsAll(queue, {
           frame("11: template <typename T, int N>\n12: class Queue {\n"),
           h4("evq::Queue Class Template Member(s) That Are Instantiated"),
           frame("  14:     Queue() : head(0), count(0) {}\n"),
           frame("  15:     bool push(const T& value)\n"),
           frame("  23:     bool pop(T& value)\n"),
           h4("evq::Queue Partial Class Template Specialization"),
           frame("  40: template <typename T>\n  41: class Queue<T, 1> {\n"),
           h5("evq::Queue Partial Class Template Member(s) That Are Instantiated"),
           frame("  43:     Queue() : full(false) {}\n"),
           frame("  50:     bool pop(T& value)\n"),
           h4("evq::Queue Explicit Class Template Specialization"),
           frame("  65: template <>\n  66: class Queue<bool, 32> {\n"),
           h5("evq::Queue Explicit Class Template Member(s) That Are Instantiated"),
           fileLinkTail("src/evq/queue.cpp"),
           frame("   5: bool Queue<bool, 32>::push(bool value)\n"),
           frame("  18: bool Queue<bool, 32>::pop(bool& value)\n"),
           frame("  71:     int size() const { return count; }\n"),
           h4("evq::Queue Primary Class Instantiations"),
           frame("   5: static evq::Queue<int, 1> commands;\n"),
           frame("  17:     ReadingQueue readings;\n"),
           frame("  18:     AlarmQueue alarms;\n"),
       }));
  // The primary's size() is never called, so it is not instantiated.
  EXPECT_TRUE(containsNone(queue, {"  32:     int size() const"}));

  const std::string ring = partFrom(classes, h3("evq::detail::RingIndex Primary Class Template"));
  EXPECT_TRUE(containsAll(ring, {
           frame("  10:     static int next(int slot) { return slot + 1 == N ? 0 : slot + 1; }\n"),
           frame("  11:     static int offset(int head, int distance) "
                 "{ return (head + distance) % N; }\n"),
           noPartials("evq::detail::RingIndex"),
           noExplicits("evq::detail::RingIndex"),
           noInstances("evq::detail::RingIndex"),
       }));

  const std::string functions = box.readFile("report/template_usage_function_templates.kxdf.xml");

  const std::string drain = partFrom(functions, h3("evq::drain Overloaded Function Templates"));
  EXPECT_TRUE(containsAll(drain, {frame("22: template <typename T, int N, typename Sink>\n"
                                        "23: int drain(Queue<T, N>& queue, Sink& sink, int limit)\n"),
                                  fileLinkTail("src/logger.cpp"), fileLinkTail("src/main.cpp")}));
  EXPECT_TRUE(containsNone(drain, {fileLinkTail("src/sensor.cpp")}));

  const std::string pushAll = partFrom(functions, h3("evq::pushAll Function Template"));
  EXPECT_TRUE(containsAll(pushAll, {fileLinkTail("src/sensor.cpp")}));
  EXPECT_TRUE(containsNone(pushAll, {fileLinkTail("src/main.cpp")}));

  // Calling the explicit specialisation for bool instantiates nothing; the
  // int and unsigned calls in logger.cpp do.
  EXPECT_TRUE(containsAll(partFrom(functions, h3("formatValue Function Template")),
                          {h4("formatValue Function Template Instantiated In File(s)"), fileLinkTail("src/logger.cpp")}));
  EXPECT_TRUE(contains(functions, bold("No instantiations of function template evq::discard.")));

  const std::string files = box.readFile("report/template_usage_list_of_analysed_files.kxdf.xml");
  EXPECT_TRUE(containsAll(files, {"/src/evq/detail/ring_index.h</kxdf:filename>",
                                  "/project.cma (CMA file)</kxdf:filename>\n</kxdf:file_list>"}));
  EXPECT_TRUE(containsNone(files, {"cstdint"}));  // suppressed with -quiet
  for (const auto& name : documentNames()) EXPECT_TRUE(wellFormed(report + "/" + name));
}
