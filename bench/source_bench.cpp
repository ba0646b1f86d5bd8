// Times reading a 100,000-line source file and blanking its comments, the
// work done for every file the report quotes, plus tokenising all of it.
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "source/Qdata.h"
#include "source/Qparse.h"

namespace {

// A file mixing the constructs the comment blanking has to track.
std::string writeSample(const std::filesystem::path& path, int lines) {
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < lines; ++i) {
    switch (i % 8) {
      case 0: out << "template <typename T, int N = 3> class Box" << i << " : public Base<T> {\r\n"; break;
      case 1: out << "\tconst char* s = \"text /* not a comment */ with \\\"quotes\\\"\"; // note\n"; break;
      case 2: out << "  /* a block comment that\n"; break;
      case 3: out << "     ends here */ int x" << i << " = 0x1FUL + 1.5e+10f; \n"; break;
      case 4: out << "  char c = '\\''; // continued \\\n"; break;
      case 5: out << "  hidden by the continued comment\n"; break;
      case 6: out << "#include <vector>\n"; break;
      default: out << "  bool operator==(const Box& o) const { return a <<= b && c->*d; }\n"; break;
    }
  }
  return path.string();
}

// Wall-clock and processor time of one step: on a shared machine the
// processor time is the figure that does not depend on the other load.
struct Timer {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  std::clock_t cpu = std::clock();

  void report(const char* what) const {
    const double wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count();
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    std::printf("%-22s %8.1f ms wall %8.1f ms cpu\n", what, wallMs, cpuMs);
  }
};

}  // namespace

int main() {
  const int kLines = 100000;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tuk_source_bench_" + std::to_string(::getpid()) + ".cpp");
  const std::string name = writeSample(path, kLines);
  Qparse::initialise_Qparse();

  Timer total;
  Timer step;
  const Qdata::Lines& raw = Qdata::get_raw_file(name);
  step.report("read:");
  step = Timer();
  const Qdata::Lines& clean = Qdata::get_clean_raw_file(name);
  step.report("comment blanking:");
  total.report("read + blanking:");
  step = Timer();
  std::size_t tokens = 0;
  for (const U_String& line : clean) tokens += Qparse::split_into_tokens(line).size();
  step.report("tokenising:");
  std::printf("%zu lines, %zu tokens\n", raw.size(), tokens);
  std::filesystem::remove(path);
  return raw.size() == static_cast<std::size_t>(kLines) ? 0 : 1;
}
