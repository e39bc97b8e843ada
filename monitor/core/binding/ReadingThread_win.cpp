// The sensor reading thread: Windows is needed for CreateThread, thread
// priorities, events and the tick count.
#include <windows.h>

#include <utility>

#include "binding/ReadingLoop.h"
#include "binding/HwPlatform_win.h"

namespace vantor::monitor {
namespace {

// GetTickCount rather than timeGetTime: the same wrapping millisecond count
// without linking winmm; its 10-16 ms granularity is far below an interval
// of at least a second.
class TickClock final : public Clock {
public:
    std::uint32_t NowMs() override { return GetTickCount(); }
};

class EventStopSignal final : public StopSignal {
public:
    EventStopSignal() : m_event(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~EventStopSignal() override
    {
        if (m_event != nullptr)
            CloseHandle(m_event);
    }
    EventStopSignal(const EventStopSignal&) = delete;
    EventStopSignal& operator=(const EventStopSignal&) = delete;

    bool Made() const { return m_event != nullptr; }
    bool Wait(std::uint32_t milliseconds) override
    {
        return WaitForSingleObject(m_event, milliseconds) == WAIT_TIMEOUT;
    }
    void Set() override { SetEvent(m_event); }

private:
    HANDLE m_event;
};

class WinReadingThread final : public ReadingThread {
public:
    WinReadingThread(const std::atomic<std::uint32_t>& interval, std::function<void()> pass)
        : m_interval(interval), m_pass(std::move(pass))
    {}

    ~WinReadingThread() override { Stop(); }

    bool Begin()
    {
        if (!m_stop.Made())
            return false;
        // Suspended first so the priority is in place before the first pass.
        m_thread = CreateThread(nullptr, 0, &WinReadingThread::Main, this, CREATE_SUSPENDED, nullptr);
        if (m_thread == nullptr)
            return false;
        SetThreadPriority(m_thread, THREAD_PRIORITY_BELOW_NORMAL);
        ResumeThread(m_thread);
        return true;
    }

    void Stop() override
    {
        if (m_thread != nullptr) {
            m_stop.Set();
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
            m_thread = nullptr;
        }
    }

private:
    static DWORD WINAPI Main(LPVOID self)
    {
        auto* thread = static_cast<WinReadingThread*>(self);
        TickClock clock;
        RunReadingLoop(clock, thread->m_stop, thread->m_interval, thread->m_pass);
        return 0;
    }

    const std::atomic<std::uint32_t>& m_interval;
    std::function<void()> m_pass;
    EventStopSignal m_stop;
    HANDLE m_thread = nullptr;
};

}  // namespace

std::unique_ptr<StopSignal> MakeEventStopSignal()
{
    auto signal = std::make_unique<EventStopSignal>();
    if (!signal->Made())
        return nullptr;
    return signal;
}

std::unique_ptr<ReadingThread> StartWinReadingThread(const std::atomic<std::uint32_t>& interval,
                                                     std::function<void()> pass)
{
    auto thread = std::make_unique<WinReadingThread>(interval, std::move(pass));
    if (!thread->Begin())
        return nullptr;
    return thread;
}

}  // namespace vantor::monitor
