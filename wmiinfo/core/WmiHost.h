// What WMI_GetAll needs of Windows, one call per step: COM and its security,
// the files (folders, the empty INI file, the profile functions), the WMI
// classes read as plain data, the HTML generator and the message boxes. The
// Win32 host is thin; tests put a fake in its place.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/InfoEntries.h"
#include "core/WmiInstance.h"

namespace vantor::wmi {

// What CoInitializeSecurity answered: Set, or SetBefore (RPC_E_TOO_LATE: the
// process had set it, so each connection needs its proxy blanket).
enum class Security {
    Set,
    SetBefore,
};

enum class ProxyBlanket {
    Leave,
    Set,
};

class WmiHost {
public:
    virtual ~WmiHost() = default;

    // CoInitializeEx, multithreaded; true only for the result 0 (S_OK).
    virtual bool InitializeCom() = 0;
    // CoInitializeSecurity with packet privacy and impersonation.
    virtual Security InitializeSecurity() = 0;

    // The folder of the host program, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The file can be opened for reading.
    virtual bool CanRead(const std::string& path) = 0;
    // CreateDirectoryA; failures are of no interest.
    virtual void CreateFolder(const std::string& path) = 0;
    // The file created empty (an existing one truncated); false when it
    // cannot be.
    virtual bool CreateEmptyFile(const std::string& path) = 0;
    // WritePrivateProfileStringA.
    virtual void WriteProfile(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view text) = 0;
    // GetPrivateProfileStringA into a buffer of `bufferSize` characters, empty
    // default.
    virtual std::string ReadProfile(const std::string& path, std::string_view section, std::string_view key,
                                    std::size_t bufferSize) = 0;

    // A new connection to the local "root\cimv2" namespace and the class's
    // instances, at most kMaxInstances of them; none when the connection or
    // the enumeration cannot be made.
    virtual std::optional<std::vector<WmiInstance>> ReadClass(std::string_view className, ProxyBlanket blanket) = 0;

    // ZyHtmlEngine.dll loaded and HTML_ENGINE_GO(0, folder, folder) called:
    // its result; none when the library cannot be loaded.
    virtual std::optional<bool> RunHtmlEngine(const std::string& folder) = 0;

    // A message box without owner and with one OK button; returns when closed.
    virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;

    // Whether the byte starts a two-byte character of the ANSI code page.
    virtual bool IsLeadByte(unsigned char byte) = 0;
};

// One Next call fetches at most this many instances.
inline constexpr int kMaxInstances = 99;

}  // namespace vantor::wmi
