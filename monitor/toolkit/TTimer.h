// A named window timer: fires OnTimer every Interval milliseconds while
// enabled and while its window exists. Changing either re-arms it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vantor::toolkit {

class TTimer {
public:
    TTimer(std::string name, UINT_PTR id) : m_name(std::move(name)), m_id(id) {}
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    const std::string& Name() const { return m_name; }
    UINT_PTR Id() const { return m_id; }

    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned milliseconds);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    std::function<void(TTimer&)> OnTimer;

    // The window whose WM_TIMER drives the timer; null stops it.
    void SetOwner(HWND owner);
    void Fire();

private:
    void Arm();

    std::string m_name;
    UINT_PTR m_id;
    HWND m_owner = nullptr;
    unsigned m_interval = 1000;
    bool m_enabled = true;
    bool m_armed = false;
};

}  // namespace vantor::toolkit
