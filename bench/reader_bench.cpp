// Record reading speed: generates a large record file, then compares the
// time to read its raw bytes with the time the record reader takes to
// frame and dispatch its records, and to build the model from them.
//
//   bench_reader_bench [RECORDS] [DIR] [frame]   (defaults: 1000000, /tmp)
// With "frame" only the raw read and the framing are measured (for
// profiling the reader alone).

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "model/DefineHandler.h"
#include "model/IncludeHandler.h"
#include "model/M_MetricIterator.h"
#include "model/MetricFileReader.h"
#include "model/P_UniqueStr.h"
#include "model/RelationHandler.h"
#include "model/SymbolTable.h"

namespace {

// Process CPU time (user + system): the machine is shared, so wall-clock
// time would mostly measure the other processes.
struct Clock {
  using time_point = double;
  static double now() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
};

double secondsSince(Clock::time_point start) { return Clock::now() - start; }

// One unit's worth of records: includes, declarations of namespaced
// functions, class templates and their members, variables, calls.
void writeRecords(const std::string& path, long records) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "<R>I \"bench/unit.cpp\" \"bench/lib/a.h\" 1 -\n";
  out << "<R>I \"bench/lib/a.h\" \"bench/lib/b.h\" 3 -\n";
  long written = 2;
  for (long i = 0; written < records; ++i) {
    const long ns = i % 37;
    const long line = 10 + i % 5000;
    switch (i % 8) {
      case 0:
        out << "<DEFINE> lib" << ns << "::Box" << i << "<@ClassTempParam1> \"bench/lib/a.h\" "
            << line << " I DC TG S X {clib" << ns << "::Box" << i << "<@ClassTempParam1>} U\n";
        break;
      case 1:
        out << "<DEFINE> lib" << ns << "::Box" << i - 1
            << "<@ClassTempParam1>::size(void) \"bench/lib/a.h\" " << line
            << " I DC OF C X (void)@ClassTempParam1 U\n";
        break;
      case 2:
        out << "<DEFINE> lib" << ns << "::compute" << i
            << "(int,charconst*,lib::Box<int>const&) \"bench/unit.cpp\" " << line
            << " M DC OF S X (int,charconst*,lib::Box<int>const&)double -\n";
        break;
      case 3:
        out << "<DEFINE> lib" << ns << "::compute" << i - 1
            << "(int,charconst*,lib::Box<int>const&) \"bench/unit.cpp\" " << line
            << " M DD OF S X (int,charconst*,lib::Box<int>const&)double -\n";
        break;
      case 4:
        out << "<DEFINE> value" << i << " \"bench/unit.cpp\" " << line
            << " M DC OV F X {clib::Box<int>} -\n";
        break;
      case 5:
        out << "<R>C value" << i - 1 << " value" << i - 1 << " " << line << " -\n";
        break;
      case 6:
        out << "<S>STNAM lib" << ns << "::compute" << i << " 12\n";
        break;
      default:
        out << "<DEFINE> lib" << ns << "::maxOf<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1"
            << i << ") \"bench/lib/b.h\" " << line
            << " I DC OF S X (@FuncTempParam1,@FuncTempParam1)@FuncTempParam1 U\n";
        break;
    }
    ++written;
  }
}

double rawRead(const std::string& path, long& lines) {
  const auto start = Clock::now();
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return 0;
  static char buffer[1 << 20];
  lines = 0;
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    for (const char* p = buffer; (p = static_cast<const char*>(std::memchr(p, '\n', buffer + n - p)));
         ++p) {
      ++lines;
    }
  }
  std::fclose(f);
  return secondsSince(start);
}

double frameOnly(const std::string& path, long& records) {
  const auto start = Clock::now();
  M_MetricIterator it;
  records = 0;
  if (it.open(QL_String::create(path, eceEUC))) {
    for (; !it.atEnd(); ++it) ++records;
  }
  return secondsSince(start);
}

long g_dispatched = 0;
void countLine(const U_String&) { ++g_dispatched; }
void onSymbol(P_Symbol*, P_Define*) {}

double readWith(const std::string& dir, const char* source) {
  const auto start = Clock::now();
  MetricFileReader::processFile(QL_Filename::create(QL_String::create(dir, eceEUC)),
                                QL_Filename::create(QL_String::create(source, eceEUC)),
                                P_getSymbolTable());
  return secondsSince(start);
}

long peakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void row(const char* what, double seconds, double megabytes, long count, const char* unit) {
  std::printf("%-34s %8.3f s %9.1f MB/s %12.0f %s/s\n", what, seconds,
              seconds > 0 ? megabytes / seconds : 0.0, seconds > 0 ? count / seconds : 0.0, unit);
}

}  // namespace

int main(int argc, char** argv) {
  const long records = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::string dir = argc > 2 ? argv[2] : "/tmp";
  const std::string path = dir + "/bench_unit.cpp.met";
  writeRecords(path, records);
  std::ifstream probe(path, std::ios::binary | std::ios::ate);
  const double megabytes = static_cast<double>(probe.tellg()) / 1e6;
  std::printf("record file %s: %ld records, %.1f MB\n", path.c_str(), records, megabytes);

  long lines = 0, framed = 0;
  rawRead(path, lines);  // warm the page cache
  const double raw = rawRead(path, lines);
  const double frame = frameOnly(path, framed);
  if (argc > 3 && std::strcmp(argv[3], "frame") == 0) {
    row("raw read (fread + count lines)", raw, megabytes, lines, "line");
    row("record framing (M_MetricIterator)", frame, megabytes, framed, "record");
    std::remove(path.c_str());
    return 0;
  }

  MetricFileReader::configure("DEFINE", &countLine);
  MetricFileReader::configure("R", &countLine);
  MetricFileReader::configure("S", &countLine);
  const double dispatch = readWith(dir, "bench_unit.cpp");
  const long dispatched = g_dispatched;

  const long before = peakKiB();
  DefineHandler::configureOnNewSymbol(&onSymbol);
  P_configureNeedRelation('C');
  P_configureNeedRelationInclude();
  const double model = readWith(dir, "bench_unit.cpp");
  const long after = peakKiB();

  row("raw read (fread + count lines)", raw, megabytes, lines, "line");
  row("record framing (M_MetricIterator)", frame, megabytes, framed, "record");
  row("framing + dispatch to handlers", dispatch, megabytes, dispatched, "record");
  row("full model (defines, calls, incl.)", model, megabytes, framed, "record");
  std::printf("framing / raw: %.2fx   dispatch / raw: %.2fx   model / raw: %.2fx\n",
              raw > 0 ? frame / raw : 0, raw > 0 ? dispatch / raw : 0, raw > 0 ? model / raw : 0);
  std::printf("symbols: %zu   unique strings: %zu (%zu bytes)   peak memory: %ld KiB -> %ld KiB\n",
              P_getSymbolTable().size(), P_getUniqueStrCount(), P_getUniqueStrBytes(), before,
              after);
  std::remove(path.c_str());
  return 0;
}
