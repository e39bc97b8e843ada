// The first steps of a run, before any window exists: read the command line,
// fix the decimal separator, refuse a display below 256 colours, refuse a
// second instance, and open the debug log. The program's entry calls
// RunStartupChecks and goes on to create its windows only when it says so.
#pragma once

#include <string>
#include <string_view>

#include "startup/SingleInstance.h"
#include "startup/StartupOptions.h"

namespace vantor::monitor {

// The system side of the checks; WinStartupSystem on Windows, fakes in tests.
class StartupSystem {
public:
    virtual ~StartupSystem() = default;
    virtual void FixDecimalSeparator() = 0;
    virtual int ScreenBitsPerPixel() = 0;
    virtual void ShowPlainMessage(std::string_view text) = 0;
    virtual InstanceClaim ClaimSingleInstance() = 0;
    virtual std::string ProgramFolder() = 0;
};

struct StartupResult {
    bool Proceed = false;  // false: return exit code 0 at once
    StartupOptions Options;
};

// Steps in this order: options, decimal separator, colour depth (message and
// stop when below 8 bits), mutex (silent stop when another instance holds
// it), debug mode and its first line. A mutex that cannot be created at all
// does not stop the run: the check guards against a second copy, it is not a
// reason to refuse the first.
StartupResult RunStartupChecks(std::string_view commandLine, StartupSystem& system);

// The Windows side (StartupChecks_win.cpp).
class WinStartupSystem final : public StartupSystem {
public:
    void FixDecimalSeparator() override;
    int ScreenBitsPerPixel() override;
    void ShowPlainMessage(std::string_view text) override;
    InstanceClaim ClaimSingleInstance() override;
    std::string ProgramFolder() override;
};

}  // namespace vantor::monitor
