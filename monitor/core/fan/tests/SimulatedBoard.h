// The library's exports on a simulated board, bound the way the program
// binds the DLL's: one board per test, opened by its file name.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "binding/HwExports.h"
#include "sim/SimulatedLibrary.h"

namespace vantor::monitor::testing {

// A shipped board by name, or a test board by its path from the source tree.
inline std::string BoardText(const std::string& name)
{
    const bool path = name.find('/') != std::string::npos;
    std::ifstream file(path ? std::string(VANTOR_SOURCE_DIR) + "/" + name
                            : std::string(BOARDSIM_BOARDS_DIR) + "/" + name + ".ini");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class SimulatedBoard {
public:
    explicit SimulatedBoard(const std::string& name)
    {
        EXPECT_TRUE(hw::sim::OpenSimulatedLibrary(BoardText(name))) << name;
        m_exports = BindExports([](const char* exportName) { return hw::sim::FindSimulatedExport(exportName); });
    }
    ~SimulatedBoard() { hw::sim::CloseSimulatedLibrary(); }
    SimulatedBoard(const SimulatedBoard&) = delete;
    SimulatedBoard& operator=(const SimulatedBoard&) = delete;

    const HwExports& Exports() const { return m_exports; }
    std::vector<std::string>& Calls() { return hw::sim::SimulatedCallLog(); }

private:
    HwExports m_exports;
};

}  // namespace vantor::monitor::testing
