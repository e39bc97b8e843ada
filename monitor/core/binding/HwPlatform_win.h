// The hardware binding's system side on Windows (HwPlatform_win.cpp,
// ReadingThread_win.cpp). Windows builds only.
#pragma once

#include "binding/HwPlatform.h"

namespace vantor::monitor {

class WinHwPlatform : public HwPlatform {
public:
    std::string ProgramFolder() override;
    void* OpenLibrary(const std::string& path) override;
    RawProc FindExport(void* module, const char* name) override;
    void CloseLibrary(void* module) override;
    void ShowInformation(std::string_view text) override;
    void SleepMs(std::uint32_t milliseconds) override;
    std::unique_ptr<StopSignal> MakeStopSignal() override;
    bool MachineKeyOpens(const std::string& subKey) override;
    OsVersion GetOsVersion() override;
    std::unique_ptr<ReadingThread> StartReadingThread(const std::atomic<std::uint32_t>& interval,
                                                      std::function<void()> pass) override;
};

// A manual-reset event; null when it cannot be made.
std::unique_ptr<StopSignal> MakeEventStopSignal();

// A below-normal-priority thread running RunReadingLoop on the tick count,
// waiting on an event that Stop sets. Null when the thread cannot be made.
std::unique_ptr<ReadingThread> StartWinReadingThread(const std::atomic<std::uint32_t>& interval,
                                                     std::function<void()> pass);

}  // namespace vantor::monitor
