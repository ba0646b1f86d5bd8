// Speed of the read phase: writes a synthetic project (bench/synthetic_project.h),
// times `wc -l` on its record files, then reads every file the way the
// driver does, with the callbacks the Template Usage Report registers, and
// prints records/s, MB/s, peak memory and the ratio to `wc -l`, with the
// floors under that ratio (framing the lines alone, and with parsing).
//
//   bench_reader_bench [FILES [RECORDS [DIR]]] [keep] [reuse]
//
// Defaults: 1000 files of 1000 DEFINE records each (plus their include and
// call records) under /tmp/tuk-reader-bench.  The project is removed
// afterwards unless "keep" is given; "reuse" reads the files a run with
// "keep" left there instead of writing them again (for profiling the read
// phase alone).  Times are CPU times (user + system)
// of this process and of `wc` respectively: the machine is shared, so wall
// time mostly measures the other processes; it is printed as well.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/P_Driver.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "model/DefineHandler.h"
#include "model/IncludeHandler.h"
#include "model/M_MetricIterator.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_BigBlock.h"
#include "model/P_CurrentSource.h"
#include "model/P_UniqueStr.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"
#include "report/FileList.h"
#include "report/Marshal_report.h"
#include "report/Template_Usage_Generate.h"
#include "synthetic_project.h"

namespace {

double seconds(const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; }

double cpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long peakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Timing {
  double cpu = 0;
  double wall = 0;
  double system = 0;  // part of cpu spent in the kernel
  double reader = 0;  // cpu of the reading thread alone (helpers excluded)
  double readerSystem = 0;  // part of reader spent in the kernel
  long readerFaults = 0;    // page faults the reading thread took
};

double systemSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return seconds(usage.ru_stime);
}

long faults(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_minflt + usage.ru_majflt;
}

// Runs `wc -l` on the files with its output thrown away; the child's CPU
// time comes from RUSAGE_CHILDREN.  A negative time means it failed.
Timing timeWc(const std::vector<std::string>& files) {
  std::vector<char*> argv{const_cast<char*>("wc"), const_cast<char*>("-l")};
  for (const std::string& f : files) argv.push_back(const_cast<char*>(f.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);  // the child must not write our buffered output again
  const double cpu0 = cpuSeconds(RUSAGE_CHILDREN);
  const double system0 = systemSeconds(RUSAGE_CHILDREN);
  const double wall0 = wallSeconds();
  const pid_t pid = fork();
  if (pid == 0) {
    if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
    execvp("wc", argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return {-1, -1};
  }
  return {cpuSeconds(RUSAGE_CHILDREN) - cpu0, wallSeconds() - wall0, systemSeconds(RUSAGE_CHILDREN) - system0};
}

// The registrations of the Template Usage Report and of the driver.
void registerAsTheReport() {
  PI_configureOnNewSymbol(Template_Usage_Generate::symbolClientFn);
  PI_configureOnProjRedecl(Template_Usage_Generate::symbolClientFn);
  PI_configureOnSource(FileList::getSourceFiles);
  PI_configureOnAllDefine(ignoreDefineCallback);
  PI_configureNeedRelationCalls();
  P_configureDiagnostics();
}

// Reads every unit as the driver does (the error files are left out: the
// project has none), and lets the report complete what it gathered.
Timing readPhase(long files) {
  SymbolTable& table = P_getSymbolTable();
  const QL_Filename directory = QL_Filename::create(QL_String::create("out", eceEUC));
  const double cpu0 = cpuSeconds(RUSAGE_SELF);
  const double reader0 = cpuSeconds(RUSAGE_THREAD);
  const double readerSystem0 = systemSeconds(RUSAGE_THREAD);
  const long readerFaults0 = faults(RUSAGE_THREAD);
  const double system0 = systemSeconds(RUSAGE_SELF);
  const double wall0 = wallSeconds();
  for (long i = 0; i < files; ++i) {
    const QL_Filename source = QL_Filename::create(QL_String::create(synthetic::unitSource(i), eceEUC));
    WORKAROUND::srcFilename = source;
    SourceFileReader::processFile(static_cast<int>(i + 1), static_cast<int>(files), source);
    MetricFileReader::processFile(directory, source, table);
  }
  // The report's record of instantiations and the include store are
  // completed when first looked at; that work belongs to reading.
  Template_Usage_Generate::instantiationRecord();
  P_getRelationIncludeCont();
  return {cpuSeconds(RUSAGE_SELF) - cpu0,          wallSeconds() - wall0,
          systemSeconds(RUSAGE_SELF) - system0,     cpuSeconds(RUSAGE_THREAD) - reader0,
          systemSeconds(RUSAGE_THREAD) - readerSystem0, faults(RUSAGE_THREAD) - readerFaults0};
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

// CPU seconds of a pass over every record line of the project: framing the
// lines alone, or framing them and parsing each DEFINE record into a define
// that is dropped at once (nothing enters the model).
double passOverRecords(long files, bool parseDefines) {
  const QL_String directory = QL_String::create("out", eceEUC);
  const double cpu0 = cpuSeconds(RUSAGE_SELF);
  long parsed = 0;
  for (long i = 0; i < files; ++i) {
    M_MetricIterator records;
    if (!records.openForSourceFile(directory, QL_String::create(synthetic::unitSource(i), eceEUC))) return -1;
    for (; !records.atEnd(); ++records) {
      if (parseDefines && records->tagText() == "DEFINE") {
        parsed += DefineHandler::createRecord(records->lineText()).isSet();
      }
    }
  }
  if (parseDefines && parsed == 0) return -1;  // the records were not understood
  return cpuSeconds(RUSAGE_SELF) - cpu0;
}

struct Floors {
  double lines = -1;
  double parsing = -1;
};

// The floors under the read phase, measured in a child process so that the
// run's own read starts with nothing cached or interned: what framing the
// record lines costs, and what parsing the DEFINE records adds.  What the
// read phase takes beyond the second is building the model and running the
// report's callbacks.
Floors measureFloors(long files) {
  int channel[2];
  if (pipe(channel) != 0) return {};
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(channel[0]);
    Floors floors;
    floors.lines = passOverRecords(files, false);
    floors.parsing = passOverRecords(files, true);
    const bool written = write(channel[1], &floors, sizeof floors) == static_cast<ssize_t>(sizeof floors);
    _exit(written ? 0 : 1);
  }
  close(channel[1]);
  Floors floors;
  if (pid > 0 && read(channel[0], &floors, sizeof floors) != static_cast<ssize_t>(sizeof floors)) floors = {};
  close(channel[0]);
  int status = 0;
  if (pid > 0) waitpid(pid, &status, 0);
  return floors;
}

}  // namespace

int main(int argc, char** argv) {
  P_enableLargeModelMemory();  // as the generator program does
  std::vector<std::string> args(argv + 1, argv + argc);
  bool keep = false;
  bool reuse = false;
  std::erase_if(args, [&keep, &reuse](const std::string& a) {
    if (a == "keep") return keep = true;
    if (a == "reuse") return reuse = keep = true;
    return false;
  });
  const long files = args.size() > 0 ? std::atol(args[0].c_str()) : 1000;
  const long records = args.size() > 1 ? std::atol(args[1].c_str()) : 1000;
  const std::string dir = args.size() > 2 ? args[2] : "/tmp/tuk-reader-bench";
  if (files < 1 || records < 1) {
    std::fprintf(stderr, "usage: %s [FILES [RECORDS [DIR]]] [keep] [reuse]\n", argv[0]);
    return 2;
  }

  std::filesystem::create_directories(dir + "/out");
  synthetic::Totals totals;
  std::vector<std::string> paths;
  const double gen0 = wallSeconds();
  for (long i = 0; i < files; ++i) {
    paths.push_back(synthetic::unitRecordFile(dir + "/out", i));
    synthetic::writeUnit(paths.back(), i, records, totals, !reuse || !std::filesystem::exists(paths.back()));
  }
  const double megabytes = totals.bytes / 1e6;
  std::printf("project %s: %ld files, %ld defines, %ld includes, %ld calls, %.1f MB (%s in %.1f s)\n",
              dir.c_str(), files, totals.defines, totals.includes, totals.calls, megabytes,
              reuse ? "counted" : "written", wallSeconds() - gen0);

  timeWc(paths);  // once more, so that both runs find the files in the page cache
  const Timing wc = timeWc(paths);

  if (chdir(dir.c_str()) != 0) {
    std::perror(dir.c_str());
    return 1;
  }
  registerAsTheReport();
  const Floors floors = measureFloors(files);
  const long rssBefore = peakKiB();
  const std::size_t stringsBefore = P_getUniqueStrBytes();
  const Timing read = readPhase(files);
  const long rssAfter = peakKiB();
  const double stringBytes = static_cast<double>(P_getUniqueStrBytes() - stringsBefore);
  const double perDefine = ((rssAfter - rssBefore) * 1024.0 - stringBytes) / totals.defines;
  const long allRecords = totals.defines + totals.includes + totals.calls;

  std::printf("%-10s %8s %8s %8s %14s %10s\n", "", "cpu s", "(system)", "wall s", "records/s", "MB/s");
  std::printf("%-10s %8.3f %8.3f %8.3f %14s %10.0f\n", "wc -l", wc.cpu, wc.system, wc.wall, "",
              ratio(megabytes, wc.cpu));
  std::printf("%-10s %8.3f %8.3f %8.3f %14.0f %10.1f\n", "read", read.cpu, read.system, read.wall,
              ratio(allRecords, read.cpu), ratio(megabytes, read.cpu));
  std::printf("read / wc -l: %.1fx cpu, %.1fx wall\n", ratio(read.cpu, wc.cpu), ratio(read.wall, wc.wall));
  std::printf("reading thread alone: %.3f s cpu (%.1fx wc -l); helper threads: %.3f s\n", read.reader,
              ratio(read.reader, wc.cpu), read.cpu - read.reader);
  std::printf("reading thread: %.3f s of it in the system, %ld page faults\n", read.readerSystem,
              read.readerFaults);
  std::printf("floors, cpu s: record lines alone %.3f (%.1fx wc -l); with DEFINE parsing %.3f (%.1fx wc -l)\n",
              floors.lines, ratio(floors.lines, wc.cpu), floors.parsing, ratio(floors.parsing, wc.cpu));
  std::printf("symbols %zu, templates %zu, unique strings %zu (%.1f MB)\n", P_getSymbolTable().size(),
              getTemplateTable().getTemplates().size(), P_getUniqueStrCount(), stringBytes / 1e6);
  std::printf("peak memory %.1f MB -> %.1f MB; %.0f bytes per define beyond the unique strings\n",
              rssBefore / 1024.0, rssAfter / 1024.0, perDefine);

  if (!keep) std::filesystem::remove_all(dir);
  return 0;
}
