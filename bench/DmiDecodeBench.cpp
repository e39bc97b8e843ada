// The DMI decode natively: the largest real table (a VMware guest with 620
// structures) through the whole decode into an INI sink that keeps every
// text, beside `dmidecode --from-dump` of the same file as a yardstick. The
// dmidecode figure includes starting the process and writing its text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "SmbiosFile.h"
#include "core/DmiTable.h"
#include "core/IniNameTable.h"

namespace {

using namespace vantor::dmi;

const std::string kDump = std::string(DMIINFO_TESTDATA_DIR) + "/vmware-virtual-platform-v27.dump";

// Keeps the written texts the way an INI writer must copy them.
class CopyingIni final : public IniWriter {
public:
    void FileInitial(std::string_view) override {}
    void RootSection(int, std::string_view section) override { Keep(section); }
    void Count(std::string_view section, int) override { Keep(section); }
    void Item(std::string_view section, int, std::string_view child) override { Keep(section), Keep(child); }
    void Value(std::string_view section, int, std::string_view key, std::string_view value) override
    {
        Keep(section), Keep(key), Keep(value);
    }
    void Filename(std::string_view section, std::string_view name) override { Keep(section), Keep(name); }
    void Displayname(std::string_view section, std::string_view name) override { Keep(section), Keep(name); }

    std::size_t bytes = 0;

private:
    void Keep(std::string_view text)
    {
        m_last.assign(text);
        bytes += m_last.size();
    }
    std::string m_last;
};

void DecodeLargestTable(benchmark::State& state)
{
    const auto bytes = vantor::dmi::test::ReadFileBytes(kDump);
    const auto names = IniNameTable::Load(DMIINFO_SMBIOS_INI);
    if (!bytes || !names) {
        state.SkipWithError("test data or SmBIOS.ini missing");
        return;
    }
    const auto file = vantor::dmi::test::ParseSmbiosFile(*bytes);
    int sections = 0;
    for (auto _ : state) {
        CopyingIni ini;
        sections = DecodeSmbiosTable(file.Window(), file.tableLength, ini, *names);
        benchmark::DoNotOptimize(ini.bytes);
    }
    state.counters["root_sections"] = sections;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.tableLength));
}
BENCHMARK(DecodeLargestTable)->Unit(benchmark::kMicrosecond);

void DmidecodeFromDump(benchmark::State& state)
{
    const std::string command = "dmidecode --from-dump " + kDump + " >/dev/null 2>&1";
    if (std::system("command -v dmidecode >/dev/null 2>&1") != 0) {
        state.SkipWithError("dmidecode is not installed");
        return;
    }
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("dmidecode failed");
            return;
        }
    }
}
BENCHMARK(DmidecodeFromDump)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
