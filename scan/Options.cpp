#include "scan/Options.h"

#include <cstdlib>

namespace kxdf_scan {

namespace {

// Takes the value of an option given as `-x VALUE` or `-xVALUE`.
bool valueOf(const std::string& arg, const char* name, int& i, int argc, char** argv, std::string& value,
             std::string& error) {
  const std::string flag(name);
  if (arg == flag) {
    if (i + 1 >= argc) {
      error = "option " + flag + " needs a value";
      return false;
    }
    value = argv[++i];
    return true;
  }
  value = arg.substr(flag.size());
  if (!value.empty() && value[0] == '=') value.erase(0, 1);
  return true;
}

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Reads value as a whole number from low to high into out; otherwise sets
// error to what, the range and the value given.
bool numberIn(const std::string& value, long low, long high, const char* what, int& out, std::string& error) {
  char* end = nullptr;
  const long number = std::strtol(value.c_str(), &end, 10);
  if (value.empty() || *end != '\0' || number < low || number > high) {
    error = std::string(what) + " from " + std::to_string(low) + " to " + std::to_string(high) + ", not '" +
            value + "'";
    return false;
  }
  out = static_cast<int>(number);
  return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::string value;
    if (arg == "--") {
      options.dashDash = true;
      options.compilerArgs.assign(argv + i + 1, argv + argc);
      break;
    }
    if (arg == "-h" || arg == "-help" || arg == "--help") {
      options.help = true;
    } else if (arg == "--clang-view") {
      options.clangView = true;
    } else if (startsWith(arg, "--record")) {
      if (!valueOf(arg, "--record", i, argc, argv, value, error)) return false;
      options.recordDirs.push_back(value);
    } else if (startsWith(arg, "--timeout")) {
      if (!valueOf(arg, "--timeout", i, argc, argv, value, error)) return false;
      if (!numberIn(value, 0, 86400, "option --timeout needs a number of seconds", options.timeout, error))
        return false;
    } else if (startsWith(arg, "-p")) {
      if (!valueOf(arg, "-p", i, argc, argv, options.buildDir, error)) return false;
    } else if (startsWith(arg, "-o")) {
      if (!valueOf(arg, "-o", i, argc, argv, options.outDir, error)) return false;
    } else if (startsWith(arg, "-j")) {
      if (!valueOf(arg, "-j", i, argc, argv, value, error)) return false;
      if (!numberIn(value, 1, 1024, "option -j needs a number of jobs", options.jobs, error)) return false;
    } else if (startsWith(arg, "-") && arg.size() > 1) {
      error = "unknown option " + arg;
      return false;
    } else {
      options.sources.push_back(arg);
    }
  }
  if (options.help) return true;
  if (options.outDir.empty()) {
    error = "no output directory: give -o OUTDIR";
    return false;
  }
  if (options.buildDir.empty() && !options.dashDash) {
    error = "no units: give -p BUILD_DIR, or SOURCE... -- COMPILER_ARGS";
    return false;
  }
  if (options.buildDir.empty() && options.sources.empty()) {
    error = "no source files before --";
    return false;
  }
  return true;
}

std::string usageText() {
  return "usage: kxdf.scan -p BUILD_DIR [SOURCE...] -o OUTDIR [options]\n"
         "       kxdf.scan SOURCE... -o OUTDIR [options] -- COMPILER_ARGS\n"
         "Writes the record files of the template usage report for C++ units.\n"
         "  -p BUILD_DIR    read the units from BUILD_DIR/compile_commands.json\n"
         "  -o OUTDIR       write NAME.met, files.lst, settings.via (and project.cma) there\n"
         "  -j N            scan N units at once (default: one per core)\n"
         "  --record DIR    record the declarations of headers under DIR too\n"
         "  --clang-view    also write NAME.view: the specialisations clang instantiated\n"
         "  --timeout S     stop a unit that takes longer than S seconds (default 600, 0: no limit)\n"
         "  -h, --help      show this text (-help too)\n";
}

}  // namespace kxdf_scan
