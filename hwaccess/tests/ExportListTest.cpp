// The export list every client binds from against the names the DLL exports
// (its .def file, which the build checks against the DLL's export table).
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "VantorHwExports.h"

namespace vantor::hw {
namespace {

std::set<std::string> DefFileExports()
{
    std::ifstream def(VANTORHW_DEF_FILE);
    std::set<std::string> names;
    std::string line;
    while (std::getline(def, line)) {
        if (line.rfind("    ", 0) == 0)
            names.insert(line.substr(line.find_first_not_of(' ')));
    }
    return names;
}

TEST(ExportListTest, TheListIsExactlyWhatTheLibraryExports)
{
    std::vector<std::string> listed;
    const ExportTable table = BindExportTable(
            [&](const char* name) -> RawProc {
                listed.emplace_back(name);
                return nullptr;
            },
            ExportSet::All);
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(kExportCount));
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), DefFileExports());
    EXPECT_EQ(table.OCAPI_Initialization, nullptr) << "a missing export stays null";
}

}  // namespace
}  // namespace vantor::hw
