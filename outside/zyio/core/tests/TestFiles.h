// Reading the SMBIOS test dumps (real machines' tables with their dmidecode
// decode) that the tests run against.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vantor::zyio::test {

inline std::filesystem::path SmbiosTestData() { return VANTOR_SMBIOS_TESTDATA; }

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The number after "key": in a sidecar JSON file, or -1.
inline long JsonNumber(const std::string& json, const std::string& key)
{
    const auto at = json.find("\"" + key + "\":");
    if (at == std::string::npos)
        return -1;
    return std::stol(json.substr(at + key.size() + 3));
}

// Every dump's name (the file name without its extension), sorted.
inline std::vector<std::string> DumpNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SmbiosTestData()))
        if (entry.path().extension() == ".dump")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vantor::zyio::test
