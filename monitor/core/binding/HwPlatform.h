// What the hardware binding needs from the system, behind one interface:
// library loading, the information box, sleeping, the stop signal, the
// registry and version questions of the Cool'n'Quiet check, and the reading
// thread. The Win32
// shell implements it (WinHwPlatform); tests implement it with fakes.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "binding/HwExports.h"
#include "binding/ReadingLoop.h"

namespace vantor::monitor {

struct OsVersion {
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
};

// A running reading thread. Stop asks it to end and returns only when it
// has: no pass runs after Stop returns.
class ReadingThread {
public:
    virtual ~ReadingThread() = default;
    virtual void Stop() = 0;
};

// A manual-reset signal: once set, every wait on it, under way or later,
// ends at once and answers false (true means the time ran out).
class StopSignal : public PassWaiter {
public:
    virtual void Set() = 0;
};

class HwPlatform {
public:
    virtual ~HwPlatform() = default;

    // Folder of the program file, with its trailing separator.
    virtual std::string ProgramFolder() = 0;

    // Null when the library cannot be loaded.
    virtual void* OpenLibrary(const std::string& path) = 0;
    // Null when the module lacks the export.
    virtual RawProc FindExport(void* module, const char* name) = 0;
    virtual void CloseLibrary(void* module) = 0;

    // An information box with an OK button.
    virtual void ShowInformation(std::string_view text) = 0;

    virtual void SleepMs(std::uint32_t milliseconds) = 0;
    // Null when the system cannot make one.
    virtual std::unique_ptr<StopSignal> MakeStopSignal() = 0;

    // True when HKEY_LOCAL_MACHINE\subKey opens with full access (the key is
    // closed again at once).
    virtual bool MachineKeyOpens(const std::string& subKey) = 0;

    virtual OsVersion GetOsVersion() = 0;

    // Starts a below-normal-priority thread that runs pass every interval
    // milliseconds with interval compensation; null when it cannot start.
    virtual std::unique_ptr<ReadingThread> StartReadingThread(const std::atomic<std::uint32_t>& interval,
                                                              std::function<void()> pass) = 0;
};

}  // namespace vantor::monitor
