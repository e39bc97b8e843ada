// The options window as the end-to-end tests drive it: Vantor.exe started on
// a board, the window opened from the cover's Option button with the real
// mouse, its fields typed into with real keys, its confirmations answered,
// and the device's fan-control state read back through the hardware
// library. Windows (under Wine) only.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "VantorHw.h"
#include "testing/BoardControl_win.h"
#include "testing/EndToEnd_win.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views::optiontest {

using testing::CoverOf;
using testing::kListCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::ProgramFolder;
using testing::VantorProcess;
using testing::WaitUntil;

inline constexpr const char* kOptionsCaption = "Config";

// Client points of the options window (its layout table's places).
inline constexpr POINT kMainTab1{91, 57};
inline constexpr POINT kMainTab2{231, 57};
inline constexpr POINT kSensorTab2{198, 87};
inline constexpr POINT kSensorTab3{308, 87};
inline constexpr POINT kThresholdEdit1{500, 149};
inline constexpr POINT kNextPage{337, 309};
inline constexpr POINT kProcessorSwitch{384, 130};
inline constexpr POINT kDefaultButton{70, 371};
inline constexpr POINT kSaveAsButton{162, 371};
inline constexpr POINT kLoadButton{254, 371};
inline constexpr POINT kApplyButton{426, 371};
inline constexpr POINT kCancelButton{518, 371};
inline constexpr POINT kFirstGroupChooser{556, 224};
// The cover's Option button, from the cover's top left corner.
inline constexpr POINT kCoverOption{92, 150};
// The confirmation's OK and Cancel, from its top left corner.
inline constexpr POINT kConfirmOk{269, 107};
inline constexpr POINT kConfirmCancel{334, 107};
// The list window's OK in list mode (300 wide), from its top left corner.
inline constexpr POINT kListOk{90, 128};

inline void ClickClient(HWND window, POINT at)
{
    RECT r{};
    GetWindowRect(window, &r);
    testing::ClickAt({r.left + at.x, r.top + at.y});
    testing::Pump(150);
}

inline void Key(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

inline void PressKey(WORD vk)
{
    Key(vk, false);
    Key(vk, true);
    testing::Pump(30);
}

// Types the text into the window with the keyboard focus.
inline void TypeText(const std::string& text)
{
    for (char c : text) {
        const SHORT code = VkKeyScanA(c);
        const bool shift = (code & 0x100) != 0;
        if (shift)
            Key(VK_SHIFT, false);
        PressKey(LOBYTE(code));
        if (shift)
            Key(VK_SHIFT, true);
    }
    testing::Pump(100);
}

// Clicks into a field, empties it with End and Backspace, types the text.
inline void ReplaceFieldText(HWND window, POINT field, const std::string& text)
{
    ClickClient(window, field);
    PressKey(VK_END);
    for (int i = 0; i < 10; ++i)
        PressKey(VK_BACK);
    TypeText(text);
}

// The window's edit field whose client rectangle holds the point.
inline HWND EditAt(HWND window, POINT client)
{
    struct Search {
        HWND parent;
        POINT at;
        HWND found;
    } search{window, client, nullptr};
    EnumChildWindows(
            window,
            [](HWND child, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                char name[16] = {};
                GetClassNameA(child, name, sizeof name);
                if (lstrcmpiA(name, "Edit") != 0 || !IsWindowVisible(child))
                    return TRUE;
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, s->parent, reinterpret_cast<POINT*>(&r), 2);
                if (PtInRect(&r, s->at)) {
                    s->found = child;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline std::string WindowTextOf(HWND window)
{
    char text[256] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

// Starts Vantor.exe and opens the options window from the cover.
inline HWND StartAndOpenOptions(VantorProcess& vantor, const ProgramFolder& folder)
{
    if (!vantor.Start(folder))
        return nullptr;
    if (!vantor.WaitForVisibleWindow(kSkinnedClass, testing::kMainPanelCaption, kStartTimeoutMs))
        return nullptr;
    HWND cover = nullptr;
    if (!WaitUntil([&] { return (cover = CoverOf(vantor)) != nullptr && IsWindowVisible(cover); }, kStartTimeoutMs))
        return nullptr;
    testing::Pump(500);
    ClickClient(cover, kCoverOption);
    return vantor.WaitForVisibleWindow(kSkinnedClass, kOptionsCaption, 10000);
}

// Answers the confirmation that opens (OK or Cancel); false when none opened.
// What the list window's question area shows (above its buttons, which
// change as they are pressed), reduced to one number.
inline std::uint64_t QuestionPixels(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    const testing::ScreenCopy screen;
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = r.top + 12; y < r.bottom - 40; ++y)
        for (int x = r.left + 4; x < r.right - 4; ++x)
            hash = (hash ^ screen.At(x, y)) * 1099511628211ull;
    return hash;
}

// Answers the question the list window asks. The answer is taken when the
// window hides, or when it asks its next question at once (the same window,
// shown again before a poll could see it hidden).
inline bool AnswerConfirmation(const VantorProcess& vantor, bool ok, const std::string& screenshot = {})
{
    HWND confirm = vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 10000);
    if (!confirm)
        return false;
    testing::Pump(300);
    if (!screenshot.empty())
        testing::SaveScreenshot(screenshot);
    const std::uint64_t asked = QuestionPixels(confirm);
    ClickClient(confirm, ok ? kConfirmOk : kConfirmCancel);
    return WaitUntil([&] { return !IsWindowVisible(confirm) || QuestionPixels(confirm) != asked; }, 5000);
}

// Clicks the list window's entry `index` and then OK.
inline bool ChooseListItem(HWND list, int index)
{
    HWND box = FindWindowExA(list, nullptr, "ListBox", nullptr);
    if (!box)
        return false;
    const LRESULT height = SendMessageA(box, LB_GETITEMHEIGHT, 0, 0);
    RECT r{};
    GetWindowRect(box, &r);
    testing::ClickAt({r.left + 20, r.top + 2 + static_cast<int>(height) * index + static_cast<int>(height) / 2});
    testing::Pump(200);
    if (SendMessageA(box, LB_GETCURSEL, 0, 0) != index)
        return false;
    ClickClient(list, kListOk);
    return true;
}

// The standard file dialog the program opened: the file's name typed into
// it and Enter pressed. False when no dialog came.
inline bool TypeIntoFileDialog(const VantorProcess& vantor, const std::string& path, const std::string& screenshot)
{
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = vantor.FindWindowOf("#32770", "")) != nullptr && IsWindowVisible(dialog); },
                   10000))
        return false;
    testing::Pump(800);
    SetForegroundWindow(dialog);
    testing::Pump(200);
    // The file name field has the focus when the dialog opens; it is emptied first.
    for (int i = 0; i < 40; ++i)
        PressKey(VK_BACK);
    TypeText(path);
    if (!screenshot.empty())
        testing::SaveScreenshot(screenshot);
    PressKey(VK_RETURN);
    return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000);
}

// The hardware library of the build folder, opened on the device for the
// test's own questions.
class DeviceLibrary {
public:
    DeviceLibrary();
    ~DeviceLibrary();
    bool Open() const { return m_ok; }
    // OCAPI_GetKelvaneInfo: 0 absent, 1 off, 2 on.
    int KelvaneInfo(std::uint32_t itemId) const;
    // The Value of a group-interface setting item; -1 when absent.
    int GroupItemValue(std::uint32_t itemId) const;

private:
    HMODULE m_library = nullptr;
    bool m_ok = false;
};

template <typename F>
F ExportOf(HMODULE library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

inline DeviceLibrary::DeviceLibrary()
{
    m_library = LoadLibraryA((testing::BuildFolder() + "VantorHw.dll").c_str());
    if (!m_library)
        return;
    auto initialise = ExportOf<OCAPI_InitializationFn>(m_library, "OCAPI_Initialization");
    m_ok = initialise && initialise() != 0;
}

inline DeviceLibrary::~DeviceLibrary()
{
    if (!m_library)
        return;
    if (m_ok) {
        if (auto close = ExportOf<OCAPI_CloseFn>(m_library, "OCAPI_Close"))
            close();
    }
    FreeLibrary(m_library);
}

inline int DeviceLibrary::KelvaneInfo(std::uint32_t itemId) const
{
    auto info = m_ok ? ExportOf<OCAPI_GetKelvaneInfoFn>(m_library, "OCAPI_GetKelvaneInfo") : nullptr;
    return info ? info(itemId) : -1;
}

inline int DeviceLibrary::GroupItemValue(std::uint32_t itemId) const
{
    auto get = m_ok ? ExportOf<OCAPI_NKELVANE_GetDataFn>(m_library, "OCAPI_NKELVANE_GetData") : nullptr;
    if (!get)
        return -1;
    std::int32_t count = 0;
    get(nullptr, &count);
    if (count <= 0)
        return -1;
    std::vector<SettingItem> items(static_cast<std::size_t>(count));
    get(items.data(), &count);
    for (const SettingItem& item : items)
        if (item.Id == itemId)
            return item.Value;
    return -1;
}

}  // namespace vantor::views::optiontest
