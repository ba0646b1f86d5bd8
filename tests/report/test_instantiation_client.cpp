// The report's symbol client records, per overload group of function
// templates, in which files implicit specialisations were seen.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_CurrentSource.h"
#include "model/SymbolTable.h"
#include "report/Template_Usage_Generate.h"
#include "TempDir.h"

namespace {

QL_Filename filename(const std::string& path) { return QL_Filename::create(QL_String::create(path, eceEUC)); }

const std::string kHeader = "\"inc/tstrec.h\"";
const std::string kTemplate = "<DEFINE> tstrec::shift<@FuncTempParam1>(@FuncTempParam1) " + kHeader +
                              " 4 I DC OF S X (@FuncTempParam1)@FuncTempParam1 U\n";
std::string instance(const std::string& type) {
  return "<DEFINE> tstrec::shift<" + type + ">(" + type + ") " + kHeader + " 4 I DS OF S X (" + type + ")" + type +
         " -\n";
}

// Reads the record file of `unit` (in `dir`) as the driver does.
void readUnit(const std::string& dir, const std::string& unit) {
  WORKAROUND::srcFilename = filename("/src/" + unit);
  MetricFileReader::processFile(filename(dir), filename("/src/" + unit), P_getSymbolTable());
}

using Files = std::vector<U_String>;

// The files and the name recorded for the one group of tstrec::shift.
std::pair<Files, U_String> shiftGroup() {
  std::pair<Files, U_String> found;
  int groups = 0;
  for (const auto& [key, group] : Template_Usage_Generate::instantiationRecord()) {
    if (key.find("tstrec::shift") == U_String::npos) continue;
    ++groups;
    found.second = group.name;
    for (const U_String* file : group.files) found.first.push_back(*file);
  }
  EXPECT_EQ(groups, 1) << "the overloads share one group";
  return found;
}

}  // namespace

TEST(InstantiationClient, RecordsEachFileOnceInByteOrderUnderTheGroupName) {
  PI_configureOnNewSymbol(Template_Usage_Generate::symbolClientFn);
  PI_configureOnProjRedecl(Template_Usage_Generate::symbolClientFn);
  const TempDir scratch("tuk-instclient-");
  ASSERT_FALSE(scratch.path().empty());
  const std::string dir = scratch.path();
  // Unit b is read first and again last; z and b see the same instance,
  // z sees a second overload of the same group.
  std::ofstream(dir + "/b.cpp.met") << kTemplate << instance("int");
  std::ofstream(dir + "/z.cpp.met") << kTemplate << instance("long") << instance("int");
  readUnit(dir, "b.cpp");
  readUnit(dir, "z.cpp");
  readUnit(dir, "b.cpp");

  EXPECT_EQ(shiftGroup(), std::make_pair(Files{"/src/b.cpp", "/src/z.cpp"}, U_String("tstrec::shift")));

  // Files read after the record was looked at join it in their place.
  std::ofstream(dir + "/a.cpp.met") << kTemplate << instance("int");
  readUnit(dir, "a.cpp");
  readUnit(dir, "z.cpp");
  EXPECT_EQ(shiftGroup(),
            std::make_pair(Files{"/src/a.cpp", "/src/b.cpp", "/src/z.cpp"}, U_String("tstrec::shift")));
}
