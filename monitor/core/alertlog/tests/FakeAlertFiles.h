// In-memory files with a read-only attribute, failing where Windows fails:
// a read-only file cannot be appended to, replaced or deleted.
#pragma once

#include <map>
#include <string>

#include "alertlog/AlertFiles.h"

namespace vantor::monitor::test {

struct FakeFile {
    std::string bytes;
    bool readOnly = false;
};

class FakeAlertFiles : public AlertFiles {
public:
    std::map<std::string, FakeFile> files;
    bool folderReadOnly = false;  // no file can be created

    bool Exists(const std::string& path) override { return files.count(path) != 0; }

    std::optional<std::string> ReadAll(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second.bytes;
    }

    bool Append(const std::string& path, std::string_view bytes) override
    {
        FakeFile* file = Writable(path);
        if (file == nullptr)
            return false;
        file->bytes += bytes;
        return true;
    }

    bool Replace(const std::string& path, std::string_view bytes) override
    {
        FakeFile* file = Writable(path);
        if (file == nullptr)
            return false;
        file->bytes = bytes;
        return true;
    }

    bool MakeWritable(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return false;
        found->second.readOnly = false;
        return true;
    }

    bool Remove(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end() || found->second.readOnly)
            return false;
        files.erase(found);
        return true;
    }

private:
    FakeFile* Writable(const std::string& path)
    {
        const auto found = files.find(path);
        if (found != files.end())
            return found->second.readOnly ? nullptr : &found->second;
        if (folderReadOnly)
            return nullptr;
        return &files[path];
    }
};

}  // namespace vantor::monitor::test
