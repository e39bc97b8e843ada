// Window timers (SetTimer on the owning window, WM_TIMER back to Fire).
#include "toolkit/TTimer.h"

namespace vantor::toolkit {

TTimer::~TTimer() { SetOwner(nullptr); }

void TTimer::SetInterval(unsigned milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    Arm();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Arm();
}

void TTimer::SetOwner(HWND owner)
{
    if (m_armed && m_owner)
        KillTimer(m_owner, m_id);
    m_armed = false;
    m_owner = owner;
    Arm();
}

void TTimer::Arm()
{
    if (!m_owner)
        return;
    if (m_armed)
        KillTimer(m_owner, m_id);
    // An interval of 0 stops the timer, as it does in the toolkit we follow;
    // Windows would otherwise fire it as fast as it can.
    m_armed = m_enabled && m_interval > 0 && SetTimer(m_owner, m_id, m_interval, nullptr) != 0;
}

void TTimer::Fire()
{
    if (m_enabled && OnTimer)
        OnTimer(*this);
}

}  // namespace vantor::toolkit
