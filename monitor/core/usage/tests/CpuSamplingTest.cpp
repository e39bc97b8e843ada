// Processor sampling against a scripted library: where cpuutil.dll is looked
// for, what each binding failure makes the program do, and the retry loop
// around cuUpdate.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "usage/CpuSampling.h"

namespace vantor::monitor {
namespace {

// One scripted cuUpdate answer: its result, the count it reports and the
// loads it writes.
struct Answer {
    std::int32_t result = 0;
    std::uint32_t count = 0;
    std::vector<float> loads;
};

struct Script {
    std::int32_t initEntries = 3;
    std::vector<Answer> answers;  // one per call; past the end the call fails
    int inits = 0;
    int updates = 0;
    bool arrayClearedEveryCall = true;
    bool released = false;
};

class ScriptedFunctions final : public CpuLoadFunctions {
public:
    explicit ScriptedFunctions(Script& script) : m_script(script) {}
    ~ScriptedFunctions() override { m_script.released = true; }

    std::int32_t Init(std::int32_t* entries) override
    {
        ++m_script.inits;
        *entries = m_script.initEntries;
        return 1;
    }

    std::int32_t Update(float* entries, std::uint32_t* count) override
    {
        for (std::size_t i = 0; i < kCpuEntryCapacity; ++i)
            m_script.arrayClearedEveryCall = m_script.arrayClearedEveryCall && entries[i] == 0.0F;
        const std::size_t call = static_cast<std::size_t>(m_script.updates++);
        // A failing call leaves junk behind, as a real library might.
        if (call >= m_script.answers.size()) {
            for (std::size_t i = 0; i < kCpuEntryCapacity; ++i)
                entries[i] = 99.0F;
            return 0;
        }
        const Answer& answer = m_script.answers[call];
        for (std::size_t i = 0; i < answer.loads.size() && i < kCpuEntryCapacity; ++i)
            entries[i] = answer.loads[i];
        if (answer.result == 0)
            for (std::size_t i = answer.loads.size(); i < kCpuEntryCapacity; ++i)
                entries[i] = 99.0F;
        *count = answer.count;
        return answer.result;
    }

private:
    Script& m_script;
};

class FakePlatform final : public CpuLibraryPlatform {
public:
    explicit FakePlatform(Script& script) : m_script(script) {}

    std::string ProgramFolder() override { return "C:\\Vantor\\"; }

    CpuBinding Bind(const std::string& path, std::unique_ptr<CpuLoadFunctions>& bound) override
    {
        boundPath = path;
        if (binding == CpuBinding::Bound)
            bound = std::make_unique<ScriptedFunctions>(m_script);
        return binding;
    }

    void SleepMs(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }

    CpuBinding binding = CpuBinding::Bound;
    std::string boundPath;
    std::vector<std::uint32_t> sleeps;

private:
    Script& m_script;
};

TEST(CpuSampling, RetriesAFailingUpdateUpToFourCalls)
{
    const Answer twoProcessors{1, 3, {37.9F, -0.5F, 18.7F}};
    struct Case {
        const char* what;
        std::vector<Answer> answers;
        int calls;
        std::vector<std::uint32_t> sleeps;
        std::optional<std::vector<unsigned>> loads;
        unsigned average;
    };
    const Case cases[] = {
            {"first call succeeds", {twoProcessors}, 1, {}, std::vector<unsigned>{37, 0}, 18},
            {"third call succeeds", {{}, {}, twoProcessors}, 3, {100, 100}, std::vector<unsigned>{37, 0}, 18},
            {"fourth call succeeds", {{}, {}, {}, twoProcessors}, 4, {100, 100, 100}, std::vector<unsigned>{37, 0}, 18},
            {"four failures give nothing", {}, 4, {100, 100, 100}, std::nullopt, 0},
            {"a failure with a count set gives nothing",
             {{0, 3, {50, 50}}, {0, 3, {50, 50}}, {0, 3, {50, 50}}, {0, 3, {50, 50}}},
             4,
             {100, 100, 100},
             std::nullopt,
             0},
            {"one entry is no processor", {{1, 1, {42}}}, 1, {}, std::nullopt, 0},
            {"one processor", {{1, 2, {63.2F, 63.2F}}}, 1, {}, std::vector<unsigned>{63}, 63},
    };
    for (const auto& c : cases) {
        Script script;
        script.answers = c.answers;
        FakePlatform platform(script);
        CpuSampling sampling(platform);
        sampling.StartCpuSampling();

        const std::optional<CpuSample> sample = sampling.SampleCpu();
        EXPECT_EQ(script.updates, c.calls) << c.what;
        EXPECT_EQ(platform.sleeps, c.sleeps) << c.what;
        EXPECT_TRUE(script.arrayClearedEveryCall) << c.what;
        ASSERT_EQ(sample.has_value(), c.loads.has_value()) << c.what;
        if (!sample)
            continue;
        ASSERT_EQ(sample->count, c.loads->size()) << c.what;
        for (std::size_t i = 0; i < sample->count; ++i)
            EXPECT_EQ(sample->load[i], (*c.loads)[i]) << c.what << ", processor " << i;
        EXPECT_EQ(sample->average, c.average) << c.what;
    }
}

TEST(CpuSampling, StartLooksInTheProgramFolderAndActsOnTheBinding)
{
    struct Case {
        CpuBinding binding;
        CpuStartEffects::Box box;
        std::string_view text;
        std::string_view caption;
        bool endProgram;
        std::int32_t entries;
    };
    const Case cases[] = {
            {CpuBinding::Bound, CpuStartEffects::Box::None, "", "", false, 5},
            {CpuBinding::LibraryMissing, CpuStartEffects::Box::Information, "Load cpuutil.dll failed !", "", true, 0},
            {CpuBinding::FunctionsMissing, CpuStartEffects::Box::Message, "Can't get cpuutil functions !", "Vantor",
             false, 0},
    };
    for (const auto& c : cases) {
        Script script;
        script.initEntries = 5;
        script.answers = {{1, 5, {10, 20, 30, 40, 25}}};
        FakePlatform platform(script);
        platform.binding = c.binding;
        CpuSampling sampling(platform);

        const CpuStartEffects effects = sampling.StartCpuSampling();
        const bool bound = c.binding == CpuBinding::Bound;
        EXPECT_EQ(platform.boundPath, "C:\\Vantor\\cpuutil.dll");
        EXPECT_EQ(effects.box, c.box);
        EXPECT_EQ(effects.text, c.text);
        EXPECT_EQ(effects.caption, c.caption);
        EXPECT_EQ(effects.endProgram, c.endProgram);
        EXPECT_EQ(effects.sampling, bound);
        EXPECT_EQ(script.inits, bound ? 1 : 0);
        EXPECT_EQ(sampling.ProcessorEntries(), c.entries);

        const std::optional<CpuSample> sample = sampling.SampleCpu();
        EXPECT_EQ(sample.has_value(), bound);
        EXPECT_EQ(script.updates, bound ? 1 : 0) << "no library call while sampling is off";
        EXPECT_TRUE(platform.sleeps.empty());
        if (sample) {
            EXPECT_EQ(sample->count, 4u);
            EXPECT_EQ(sample->average, 25u);
        }
    }
}

TEST(CpuSampling, StopUnloadsTheLibraryAndEndsSampling)
{
    Script script;
    script.answers = {{1, 3, {10, 20}}, {1, 3, {10, 20}}};
    FakePlatform platform(script);
    CpuSampling sampling(platform);
    sampling.StartCpuSampling();
    ASSERT_TRUE(sampling.SampleCpu().has_value());

    sampling.StopCpuSampling();
    EXPECT_TRUE(script.released);
    EXPECT_EQ(sampling.ProcessorEntries(), 0);
    EXPECT_FALSE(sampling.SampleCpu().has_value());
    EXPECT_EQ(script.updates, 1);
}

}  // namespace
}  // namespace vantor::monitor
