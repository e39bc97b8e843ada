// A WmiHost that serves classes from memory, keeps ZyWmi.ini as the profile
// functions would leave it (and every write in order), and records the
// messages, the proxy blankets asked for and the order of the steps.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MapConfig.h"
#include "core/ClassList.h"
#include "core/WmiHost.h"

namespace vantor::wmi::test {

inline WmiValue Text(std::string text) { return WmiValue::Bstr(std::move(text)); }
inline WmiValue Number(std::int64_t number) { return WmiValue::Integer(kVtI4, number); }

inline WmiInstance Instance(std::string className, std::vector<WmiProperty> properties)
{
    return {.className = std::move(className), .properties = std::move(properties)};
}

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
};

struct ProfileWrite {
    std::string section;
    std::string key;
    std::string text;
};

class FakeWmiHost final : public WmiHost {
public:
    static constexpr const char* kProgramFolder = "C:\\Vantor";
    static constexpr const char* kConfigPath = "C:\\Vantor\\WMIConfig.ini";
    static constexpr const char* kOutputFolder = "C:\\Vantor\\WMIInfo";

    // Every class answers with one instance of two properties unless a test
    // says otherwise; every property is shown as read.
    FakeWmiHost()
    {
        for (const std::string_view name : kClassList) {
            const std::string className(name);
            classes[className] = std::vector<WmiInstance>{
                    Instance(className, {{"Caption", Text(className + " caption")}, {"Status", Text("OK")}})};
            config.Set(className, "Caption", "YES");
            config.Set(className, "Status", "YES");
        }
    }

    bool InitializeCom() override
    {
        steps.push_back("InitializeCom");
        return comStarts;
    }
    Security InitializeSecurity() override
    {
        steps.push_back("InitializeSecurity");
        return security;
    }
    std::string ProgramFolder() override { return kProgramFolder; }
    bool CanRead(const std::string& path) override
    {
        steps.push_back("CanRead " + path);
        return path == kConfigPath && configPresent;
    }
    void CreateFolder(const std::string& path) override { steps.push_back("CreateFolder " + path); }
    bool CreateEmptyFile(const std::string& path) override
    {
        steps.push_back("CreateEmptyFile " + path);
        if (!fileCreatable)
            return false;
        ini.clear();
        writes.clear();
        iniPath = path;
        return true;
    }
    void WriteProfile(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view text) override
    {
        EXPECT_EQ(path, iniPath);
        if (writes.empty())
            steps.push_back("first write");
        ini[std::string(section)][std::string(key)] = std::string(text);
        writes.push_back({std::string(section), std::string(key), std::string(text)});
    }
    std::string ReadProfile(const std::string& path, std::string_view section, std::string_view key,
                            std::size_t bufferSize) override
    {
        EXPECT_EQ(path, kConfigPath);
        EXPECT_EQ(bufferSize, 64u);
        return config.Entry(section, key);
    }
    std::optional<std::vector<WmiInstance>> ReadClass(std::string_view className, ProxyBlanket blanket) override
    {
        steps.push_back("ReadClass " + std::string(className));
        blankets.push_back(blanket);
        const auto found = classes.find(std::string(className));
        return found != classes.end() ? found->second : std::nullopt;
    }
    std::optional<bool> RunHtmlEngine(const std::string& folder) override
    {
        steps.push_back("RunHtmlEngine " + folder);
        return htmlResult;
    }
    void ShowMessage(std::string_view text, std::string_view caption) override
    {
        messages.push_back({std::string(text), std::string(caption)});
    }
    bool IsLeadByte(unsigned char) override { return false; }

    // The text of one key, or none.
    std::optional<std::string> Ini(const std::string& section, const std::string& key) const
    {
        const auto s = ini.find(section);
        if (s == ini.end())
            return std::nullopt;
        const auto k = s->second.find(key);
        return k == s->second.end() ? std::nullopt : std::optional<std::string>(k->second);
    }
    bool HasSection(const std::string& section) const { return ini.count(section) != 0; }

    // What the test sets up.
    bool comStarts = true;
    Security security = Security::Set;
    bool configPresent = true;
    bool fileCreatable = true;
    std::map<std::string, std::optional<std::vector<WmiInstance>>> classes;
    MapConfig config;
    std::optional<bool> htmlResult = true;

    // What the call did.
    std::vector<std::string> steps;
    std::vector<Message> messages;
    std::vector<ProxyBlanket> blankets;
    std::string iniPath;  // the file created empty
    std::map<std::string, std::map<std::string, std::string>> ini;
    std::vector<ProfileWrite> writes;
};

}  // namespace vantor::wmi::test
