// A profile store over in-memory files, for tests and for tools that must not
// touch the disk. It follows the Windows profile functions where callers can
// see the difference:
// The read and write cases of MemoryProfileStoreTest give the same results
// through the real functions under Wine 8.
// - section and key names match without regard to ASCII letter case; the
//   first matching section and key win;
// - blanks around section names, key names and values are trimmed, and a
//   value enclosed in a matching pair of double or single quotes loses them;
// - lines starting with ';' are comments; a line without '=' has no value and
//   reads as the fallback;
// - a write replaces the line of an existing key by "key=value" (keeping the
//   stored spelling of the key), inserts a new key after the last non-blank
//   line of its section, and appends a missing section at the end of the file
//   as "[section]" followed by the key; lines end in CR LF; blank lines stay
//   (Wine drops them when it rewrites a file, Windows keeps them);
// - a missing file is created by the first write; a file marked read-only
//   refuses every write and stays as it was.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "config/ProfileStore.h"

namespace vantor::monitor {

class MemoryProfileStore final : public ProfileStore {
public:
    std::string ReadString(std::string_view path, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    bool WriteString(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool HasSection(std::string_view path, std::string_view section) override;

    void SetFileText(std::string_view path, std::string_view text);
    // The file's bytes; empty when it does not exist.
    std::string FileText(std::string_view path) const;
    bool FileExists(std::string_view path) const;
    void SetReadOnly(std::string_view path, bool readOnly);
    int WriteCount() const { return m_writeCount; }

private:
    std::map<std::string, std::string, std::less<>> m_files;
    std::set<std::string, std::less<>> m_readOnly;
    int m_writeCount = 0;
};

}  // namespace vantor::monitor
