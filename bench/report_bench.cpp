// Times the Template Usage Report on synthesised projects of growing size.
//
//   bench_report_bench PROGRAM [N ...]      (default N: 100 1000 5000)
//
// For every N it writes, under a temporary directory, a project of N units.
// Unit i includes its own header h<i>.h, the header of unit i+1 and a
// common header.  Each h<i>.h holds a class template with a member function,
// a partial and an explicit specialisation, an overloaded function template
// and an explicit specialisation of it; each unit declares variables of the
// primary, partial, explicit and a neighbour's instance, and instantiates
// member functions and function templates (the common ones in every unit).
// The record files follow the analyser's conventions, so the report lists
// everything: N class templates, 2N function templates, N+1 files per common
// function template.  It then runs PROGRAM on the project and prints the
// wall-clock time.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string S(int i) { return std::to_string(i); }

// One define record in the analyser's layout.
std::string define(const std::string& name, const std::string& file, int line,
                   const char* where, const char* def, const char* kind, const char* scope,
                   const char* link, const std::string& type, const char* dep) {
  return "<DEFINE> " + name + " \"" + file + "\" " + S(line) + " " + where + " " + def + " " +
         kind + " " + scope + " " + link + " " + type + " " + dep + "\n";
}

// A declaration that is also the definition: DC and DD at the same place.
std::string defined(const std::string& name, const std::string& file, int line,
                    const char* where, const char* kind, const char* scope, const char* link,
                    const std::string& type, const char* dep) {
  return define(name, file, line, where, "DC", kind, scope, link, type, dep) +
         define(name, file, line, where, "DD", kind, scope, link, type, dep);
}

const char* kHeaderText =
    "#ifndef H@\n#define H@\nnamespace n@ {\ntemplate <typename T>\nclass C {\npublic:\n"
    "    T get() { return v; }\n    T v;\n};\ntemplate <typename T>\nclass C<T*> {\npublic:\n"
    "    T* get() { return p; }\n    T* p;\n};\ntemplate <>\nclass C<bool> {\npublic:\n"
    "    bool get() { return b; }\n    bool b;\n};\ntemplate <typename T>\n"
    "T f(T a) { return a; }\ntemplate <typename T>\nT f(T a, T b) { return a < b ? b : a; }\n"
    "template <>\ninline int f<int>(int a) { return a; }\n}\n#endif\n";

const char* kCommonText =
    "#ifndef COMMON_H\n#define COMMON_H\nnamespace common {\ntemplate <typename T>\n"
    "struct Box {\n    T get() { return v; }\n    T v;\n};\ntemplate <typename T>\n"
    "double area(T x) { return x * x; }\n}\n#endif\n";

const char* kUnitText =
    "#include \"h@.h\"\n#include \"h#.h\"\n#include \"common.h\"\nint use@()\n{\n"
    "    n@::C<int> a;\n    n@::C<int*> b;\n    n@::C<bool> c;\n    n#::C<long> d;\n"
    "    common::Box<int> e;\n"
    "    return a.get() + (b.get() != 0) + c.get() + d.get() + e.get() + n@::f(1, 2) + "
    "n#::f(3L) + common::area(1.0);\n}\n";

std::string fill(const char* text, int i, int j) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    if (*p == '@') out += S(i);
    else if (*p == '#') out += S(j);
    else out += *p;
  }
  return out;
}

// The records of header h<i>.h as every unit including it sees them.
std::string header_records(int i) {
  const std::string f = "src/h" + S(i) + ".h", ns = "n" + S(i), c = ns + "::C";
  const std::string t = "@ClassTempParam1", u = "@FuncTempParam1";
  std::string r = define("H" + S(i), f, 2, "I", "DD", "OM", "F", "-", "-", "O");
  r += defined(c + "<" + t + ">", f, 5, "I", "TG", "S", "X", "{c" + c + "<" + t + ">}", "U");
  r += defined(c + "<" + t + ">::get(void)", f, 7, "I", "OF", "C", "X", "(void)" + t, "U");
  r += define(c + "<" + t + ">::v", f, 8, "I", "DC", "MB", "C", "X", t, "U");
  r += define(c + "<" + t + "*>", f, 11, "I", "DP", "TG", "S", "X", "{c" + c + "<" + t + "*>}", "U");
  r += defined(c + "<" + t + "*>::get(void)", f, 13, "I", "OF", "C", "X", "(void)" + t + "*", "U");
  r += define(c + "<bool>", f, 17, "I", "DX", "TG", "S", "X", "{c" + c + "<bool>}", "-");
  r += defined(c + "<bool>::get(void)", f, 19, "I", "OF", "C", "X", "(void)bool", "-");
  r += defined(ns + "::f<" + u + ">(" + u + ")", f, 23, "I", "OF", "S", "X", "(" + u + ")" + u, "U");
  r += defined(ns + "::f<" + u + ">(" + u + "," + u + ")", f, 25, "I", "OF", "S", "X",
               "(" + u + "," + u + ")" + u, "U");
  r += define(ns + "::f<int>(int)", f, 27, "I", "DX", "OF", "S", "X", "(int)int", "-");
  return r;
}

std::string common_records() {
  const std::string f = "src/common.h", t = "@ClassTempParam1", u = "@FuncTempParam1";
  std::string r = define("COMMON_H", f, 2, "I", "DD", "OM", "F", "-", "-", "O");
  r += defined("common::Box<" + t + ">", f, 5, "I", "TG", "S", "X", "{scommon::Box<" + t + ">}", "U");
  r += defined("common::Box<" + t + ">::get(void)", f, 6, "I", "OF", "C", "X", "(void)" + t, "U");
  r += define("common::Box<" + t + ">::v", f, 7, "I", "DC", "MB", "C", "X", t, "U");
  r += defined("common::area<" + u + ">(" + u + ")", f, 10, "I", "OF", "S", "X", "(" + u + ")double", "U");
  return r;
}

std::string unit_records(int i, int j) {
  const std::string unit = "src/u" + S(i) + ".cpp";
  const std::string hi = "src/h" + S(i) + ".h", hj = "src/h" + S(j) + ".h";
  const std::string ci = "n" + S(i) + "::C", cj = "n" + S(j) + "::C";
  std::string r = "<R>I \"" + unit + "\" \"" + hi + "\" 1 -\n" + header_records(i);
  if (j != i) r += "<R>I \"" + unit + "\" \"" + hj + "\" 2 -\n" + header_records(j);
  r += "<R>I \"" + unit + "\" \"src/common.h\" 3 -\n" + common_records();
  const std::string fn = "use" + S(i) + "(void)";
  r += defined(fn, unit, 4, "M", "OF", "F", "X", "(void)int", "-");
  const std::pair<const char*, std::string> vars[] = {
      {"a", "{c" + ci + "<int>}"}, {"b", "{c" + ci + "<int*>}"}, {"c", "{c" + ci + "<bool>}"},
      {"d", "{c" + cj + "<long>}"}, {"e", "{scommon::Box<int>}"}};
  int line = 6;
  for (const auto& [name, type] : vars) r += defined(name, unit, line++, "M", "OV", "B", "N", type, "-");
  r += define(ci + "<int>", hi, 5, "I", "DS", "TG", "S", "X", "{c" + ci + "<int>}", "-");
  r += define(ci + "<int>::get(void)", hi, 7, "I", "DS", "OF", "C", "X", "(void)int", "-");
  r += define(ci + "<int>::get(void)", hi, 7, "I", "DD", "OF", "C", "X", "(void)int", "-");
  r += define(ci + "<int*>", hi, 11, "I", "DS", "TG", "S", "X", "{c" + ci + "<int*>}", "-");
  r += define(ci + "<int*>::get(void)", hi, 13, "I", "DS", "OF", "C", "X", "(void)int*", "-");
  r += define(ci + "<int*>::get(void)", hi, 13, "I", "DD", "OF", "C", "X", "(void)int*", "-");
  r += define(cj + "<long>", hj, 5, "I", "DS", "TG", "S", "X", "{c" + cj + "<long>}", "-");
  r += define(cj + "<long>::get(void)", hj, 7, "I", "DS", "OF", "C", "X", "(void)long", "-");
  r += define(cj + "<long>::get(void)", hj, 7, "I", "DD", "OF", "C", "X", "(void)long", "-");
  r += define("common::Box<int>", "src/common.h", 5, "I", "DS", "TG", "S", "X", "{scommon::Box<int>}", "-");
  r += define("common::Box<int>::get(void)", "src/common.h", 6, "I", "DS", "OF", "C", "X", "(void)int", "-");
  r += define("common::Box<int>::get(void)", "src/common.h", 6, "I", "DD", "OF", "C", "X", "(void)int", "-");
  const std::string fi = "n" + S(i) + "::f<int>(int,int)", fj = "n" + S(j) + "::f<long>(long)";
  const std::string area = "common::area<double>(double)";
  r += define(fi, hi, 25, "I", "DS", "OF", "S", "X", "(int,int)int", "-");
  r += define(fj, hj, 23, "I", "DS", "OF", "S", "X", "(long)long", "-");
  r += define(area, "src/common.h", 10, "I", "DS", "OF", "S", "X", "(double)double", "-");
  for (const std::string& callee : {fi, fj, area}) r += "<R>C " + fn + " " + callee + " 11 -\n";
  return r;
}

void write(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Writes the project of n units under root: sources in src/, records and the
// cross-module analysis file in out/, the unit list in files.lst.
void make_project(const fs::path& root, int n) {
  fs::create_directories(root / "src");
  fs::create_directories(root / "out");
  fs::create_directories(root / "bin");
  write(root / "bin" / "ktlpp.cfg", "");
  write(root / "src" / "common.h", kCommonText);
  std::string list;
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    write(root / "src" / ("h" + S(i) + ".h"), fill(kHeaderText, i, j));
    write(root / "src" / ("u" + S(i) + ".cpp"), fill(kUnitText, i, j));
    write(root / "out" / ("u" + S(i) + ".cpp.met"), unit_records(i, j));
    list += "src/u" + S(i) + ".cpp\n";
  }
  write(root / "files.lst", list);
  write(root / "out" / "project.cma", list);
}

// Runs the program in root and returns the seconds it took, or -1 on failure.
double run(const std::string& program, const fs::path& root) {
  const std::string out = (root / "out").string();
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(root.c_str()) != 0) _exit(127);
    ::setenv("KTLPPBIN", (root / "bin").c_str(), 1);
    ::setenv("LANG", "C", 1);
    std::FILE* quiet = std::freopen("/dev/null", "w", stdout);
    (void)quiet;
    const std::string cma = out + "/project.cma";
    ::execl(program.c_str(), program.c_str(), "ktlpp", "-po", "mxo::report_type=Template Usage Report",
            "-op", out.c_str(), "-cmaf", cma.c_str(), "-list", "files.lst", (char*)nullptr);
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  const double secs =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? secs : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [N ...]\n", argv[0]);
    return 2;
  }
  const std::string program = fs::absolute(argv[1]).string();
  std::vector<int> sizes;
  for (int a = 2; a < argc; ++a) sizes.push_back(std::atoi(argv[a]));
  if (sizes.empty()) sizes = {100, 1000, 5000};
  std::string templ = (fs::temp_directory_path() / "report-bench-XXXXXX").string();
  if (!::mkdtemp(templ.data())) return 1;
  int failures = 0;
  for (int n : sizes) {
    if (n < 1) continue;
    const fs::path root = fs::path(templ) / ("n" + S(n));
    make_project(root, n);
    const double secs = run(program, root);
    if (secs < 0) {
      std::printf("N=%-6d failed\n", n);
      ++failures;
    } else {
      std::printf("N=%-6d %8.2f s\n", n, secs);
    }
    std::fflush(stdout);
    if (!std::getenv("REPORT_BENCH_KEEP")) fs::remove_all(root);
  }
  if (!std::getenv("REPORT_BENCH_KEEP")) fs::remove_all(templ);
  else std::printf("projects kept in %s\n", templ.c_str());
  return failures ? 1 : 0;
}
