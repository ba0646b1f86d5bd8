// Writes a synthetic analysed project: the record files of N units with M
// DEFINE records each, laid out as the analyser leaves them.
//
// Every unit includes a share of a pool of headers (64 headers in eight
// namespaces), and, as in a real project, repeats the records of every
// header it includes: class templates with constructors, destructors,
// operators and members, partial and explicit specialisations, function
// template overloads, plain functions with parameter lists, classes,
// enums, typedefs and include-guard macros.  Then come the unit's own
// functions with their block-scope variables, its implicit specialisations
// (class, member DS+DD, function template instances) and its call records.
// About 60% of a unit's defines come from headers, 10% are implicit
// specialisations and the rest are the unit's own.
#ifndef BENCH_SYNTHETIC_PROJECT_H
#define BENCH_SYNTHETIC_PROJECT_H

#include <cstdio>
#include <string>
#include <vector>

namespace synthetic {

struct Totals {
  long defines = 0;
  long includes = 0;
  long calls = 0;
  long bytes = 0;
};

constexpr int kHeaders = 64;
constexpr const char* kT1 = "@ClassTempParam1";
constexpr const char* kT2 = "@ClassTempParam2";
constexpr const char* kF1 = "@FuncTempParam1";
constexpr const char* kF2 = "@FuncTempParam2";

inline std::string S(long i) { return std::to_string(i); }

// The fields of one DEFINE record.
struct Def {
  std::string name;
  const std::string* file;
  int line;
  const char* inc;
  const char* def;
  const char* space;
  const char* scope;
  const char* linkage;
  std::string type;
  const char* flags;
};

inline void put(std::string& out, const Def& d) {
  out += "<DEFINE> ";
  out += d.name;
  out += " \"";
  out += *d.file;
  out += "\" ";
  out += S(d.line);
  for (const char* f : {d.inc, d.def, d.space, d.scope, d.linkage}) {
    out += ' ';
    out += f;
  }
  out += ' ';
  out += d.type;
  out += ' ';
  out += d.flags;
  out += '\n';
}

// A declaration that is also the definition: DC then DD at the same place.
inline void putBoth(std::vector<std::string>& out, Def d) {
  std::string text;
  d.def = "DC";
  put(text, d);
  d.def = "DD";
  put(text, d);
  out.push_back(std::move(text));
}
inline void putOne(std::vector<std::string>& out, const Def& d) {
  std::string text;
  put(text, d);
  out.push_back(std::move(text));
}

// Names of header h.
struct Header {
  int index;
  std::string path;   // src/modK/hH.h
  std::string ns;     // proj::modK
  std::string cont;   // proj::modK::ContainerH
  std::string widget; // proj::modK::WidgetH
  explicit Header(int h)
      : index(h),
        path("src/mod" + S(h % 8) + "/h" + S(h) + ".h"),
        ns("proj::mod" + S(h % 8)),
        cont(ns + "::Container" + S(h)),
        widget(ns + "::Widget" + S(h)) {}
};

// The records of a header as every unit including it sees them; one entry
// per group of records (a DC+DD pair is one group of two records).
inline std::vector<std::string> headerRecords(const Header& h, long& defines) {
  std::vector<std::string> g;
  const std::string* f = &h.path;
  const std::string primary = h.cont + "<" + kT1 + "," + kT2 + ">";
  const std::string tagOf = "{c" + primary + "}";
  const std::string cref = primary + "const&";
  const std::string guard = "PROJ_MOD" + S(h.index % 8) + "_H" + S(h.index) + "_H";
  putOne(g, {guard, f, 2, "I", "DD", "OM", "F", "-", "-", "O"});
  putBoth(g, {primary, f, 12, "I", "", "TG", "S", "X", tagOf, "U"});
  putBoth(g, {primary + "::@constructor(void)", f, 15, "I", "", "OF", "C", "X", "(void)", "U"});
  putBoth(g, {primary + "::@constructor(" + kT1 + "const&,std::size_t)", f, 16, "I", "", "OF", "C", "X",
              std::string("(") + kT1 + "const&,std::size_t)", "U"});
  putBoth(g, {primary + "::@destructor(void)", f, 17, "I", "", "OF", "C", "X", "(void)", "U"});
  putBoth(g, {primary + "::at(std::size_t)", f, 19, "I", "", "OF", "C", "X",
              std::string("(std::size_t)") + kT1 + "&", "U"});
  putBoth(g, {primary + "::size(void)", f, 20, "I", "", "OF", "C", "X", "(void)std::size_t", "U"});
  putBoth(g, {primary + "::==@(" + cref + ")", f, 21, "I", "", "OF", "C", "X", "(" + cref + ")bool", "U"});
  putBoth(g, {primary + "::[]@(std::size_t)", f, 22, "I", "", "OF", "C", "X",
              std::string("(std::size_t)") + kT1 + "&", "U"});
  putOne(g, {primary + "::m_data", f, 24, "I", "DC", "MB", "C", "X", std::string(kT1) + "*", "U"});
  putOne(g, {primary + "::m_size", f, 25, "I", "DC", "MB", "C", "X", "std::size_t", "U"});
  const std::string partial = h.cont + "<" + kT1 + ",bool>";
  putOne(g, {partial, f, 29, "I", "DP", "TG", "S", "X", "{c" + partial + "}", "U"});
  putBoth(g, {partial + "::size(void)", f, 31, "I", "", "OF", "C", "X", "(void)std::size_t", "U"});
  const std::string expl = h.cont + "<char,int>";
  putOne(g, {expl, f, 35, "I", "DX", "TG", "S", "X", "{c" + expl + "}", "-"});
  putBoth(g, {expl + "::size(void)", f, 37, "I", "", "OF", "C", "X", "(void)std::size_t", "-"});
  const std::string fn = h.ns + "::transform" + S(h.index);
  putBoth(g, {fn + "<" + kF1 + "," + kF2 + ">(" + kF1 + "," + kF1 + "," + kF2 + ")", f, 42, "I", "", "OF", "S",
              "X", std::string("(") + kF1 + "," + kF1 + "," + kF2 + ")" + kF1, "U"});
  putBoth(g, {fn + "<" + kF1 + ">(" + kF1 + ")", f, 48, "I", "", "OF", "S", "X",
              std::string("(") + kF1 + ")" + kF1, "U"});
  putOne(g, {fn + "<int>(int)", f, 53, "I", "DX", "OF", "S", "X", "(int)int", "-"});
  const std::string params = "(int,doubleconst*," + h.cont + "<int,long>const&)";
  putOne(g, {h.ns + "::compute" + S(h.index) + params, f, 57, "I", "DC", "OF", "S", "X", params + "double", "-"});
  putBoth(g, {h.widget, f, 60, "I", "", "TG", "S", "X", "{c" + h.widget + "}", "-"});
  putOne(g, {h.widget + "::draw(int,int)", f, 62, "I", "DC", "OF", "C", "X", "(int,int)void", "-"});
  putOne(g, {h.widget + "::name(void)", f, 63, "I", "DC", "OF", "C", "X", "(void)std::stringconst&", "-"});
  putOne(g, {h.widget + "::m_id", f, 65, "I", "DC", "MB", "C", "X", "int", "-"});
  const std::string mode = h.ns + "::Mode" + S(h.index);
  putOne(g, {mode, f, 68, "I", "DC", "TG", "S", "X", "{e" + mode + "}", "-"});
  putOne(g, {h.ns + "::kFast" + S(h.index), f, 68, "I", "DD", "OE", "S", "X", "{e" + mode + "}", "-"});
  putOne(g, {h.ns + "::kSafe" + S(h.index), f, 68, "I", "DD", "OE", "S", "X", "{e" + mode + "}", "-"});
  putOne(g, {h.ns + "::Handle" + S(h.index), f, 71, "I", "DD", "OT", "S", "X", "{c" + h.widget + "}*", "-"});
  for (const std::string& text : g) {
    for (char c : text) defines += c == '\n';
  }
  return g;
}

// headerRecords, computed once per header.
inline const std::vector<std::string>& cachedHeaderRecords(const Header& h, long& defines) {
  static std::vector<std::vector<std::string>> records(kHeaders);
  static std::vector<long> counts(kHeaders, 0);
  if (records[h.index].empty()) records[h.index] = headerRecords(h, counts[h.index]);
  defines = counts[h.index];
  return records[h.index];
}

// Template arguments the units instantiate with.
inline const char* argument(long i) {
  static const char* const kArgs[] = {"int", "long", "double", "char", "std::string", "unsigned", "float"};
  return kArgs[i % 7];
}

// Writes one unit's record file (`path`) with exactly `records` defines.
// With `write` false only the totals are counted (the file is there already).
inline void writeUnit(const std::string& path, long unit, long records, Totals& totals, bool write = true) {
  const std::string source = "src/app/unit" + S(unit) + ".cpp";
  std::string out;
  out.reserve(static_cast<size_t>(records) * 110);
  long defines = 0;
  std::vector<int> included;

  // Headers, as long as their records fit in 60% of the unit.
  const long headerBudget = records * 6 / 10;
  for (int j = 0; j < kHeaders; ++j) {
    const Header h(static_cast<int>((unit * 5 + j * 13) % kHeaders));
    long n = 0;
    const std::vector<std::string>& groups = cachedHeaderRecords(h, n);
    if (defines + n > headerBudget) break;
    out += "<R>I \"" + source + "\" \"" + h.path + "\" " + S(j + 1) + " -\n";
    out += "<R>I \"" + h.path + "\" \"sysinc/vector\" 4 S\n";
    totals.includes += 2;
    for (const std::string& text : groups) out += text;
    defines += n;
    included.push_back(h.index);
  }

  // The unit's own functions: DC, DD, two variables, one call each.
  const long specBudget = records / 10;
  const std::string ns = "app::svc" + S(unit % 20);
  const std::string* file = &source;
  std::string calls;
  int line = 20;
  for (long k = 0; defines + 6 <= records - specBudget; ++k, line += 12) {
    const Header h(included.empty() ? 0 : included[k % included.size()]);
    const std::string params = "(int,std::stringconst&," + h.cont + "<int,long>&)";
    const std::string fn = ns + "::process" + S(unit) + "_" + S(k) + params;
    std::vector<std::string> g;
    putBoth(g, {fn, file, line, "M", "", "OF", "S", "X", params + "bool", "-"});
    putBoth(g, {"result", file, line + 2, "M", "", "OV", "B", "N", "{c" + h.cont + "<int,long>}", "-"});
    putBoth(g, {"i", file, line + 3, "M", "", "OV", "B", "N", "int", "-"});
    for (const std::string& text : g) out += text;
    defines += 6;
    calls += "<R>C " + fn + " " + h.ns + "::compute" + S(h.index) + "(int,doubleconst*," + h.cont +
             "<int,long>const&) " + S(line + 5) + " -\n";
    ++totals.calls;
  }
  for (; defines < records - specBudget; ++defines, ++line) {
    Def v{"count" + S(line), file, line, "M", "DC", "OV", "F", "I", "long", "-"};
    put(out, v);
  }

  // Implicit specialisations at the end of the unit.
  for (long k = 0; defines < records; ++k) {
    const Header h(included.empty() ? 0 : included[k % included.size()]);
    const std::string inst = h.cont + "<" + argument(k + unit) + "," + argument(k / 7 + unit + 1) + ">";
    put(out, {inst, &h.path, 12, "I", "DS", "TG", "S", "X", "{c" + inst + "}", "-"});
    if (++defines + 2 > records) continue;
    Def member{inst + "::size(void)", &h.path, 20, "I", "DS", "OF", "C", "X", "(void)std::size_t", "-"};
    put(out, member);
    member.def = "DD";
    put(out, member);
    defines += 2;
    if (defines + 1 > records) continue;
    const std::string a = argument(k + unit);
    const std::string fi = h.ns + "::transform" + S(h.index) + "<" + a + ">(" + a + ")";
    put(out, {fi, &h.path, 48, "I", "DS", "OF", "S", "X", "(" + a + ")" + a, "-"});
    ++defines;
  }
  out += calls;
  totals.defines += defines;
  totals.bytes += static_cast<long>(out.size());
  if (!write) return;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
  }
}

// The record file of unit i and its source name as the driver is given it.
inline std::string unitSource(long i) { return "src/app/unit" + S(i) + ".cpp"; }
inline std::string unitRecordFile(const std::string& outDir, long i) {
  return outDir + "/unit" + S(i) + ".cpp.met";
}

}  // namespace synthetic

#endif
