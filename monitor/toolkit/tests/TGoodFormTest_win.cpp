// The skinned window's helpers under Wine: skin files with their language
// copies, transparent pictures painted on the screen, a throwing handler,
// the hand cursor, privileges, the Flash window test, z-order and the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "WineMouse.h"
#include "WineScreen.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/LanguageState.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

namespace vantor::toolkit {
namespace {

using test::MouseButtonEvent;
using test::MouseTo;
using test::PixelAt;
using test::Pump;
using test::ScreenPoint;

// A 24-bit bottom-up .bmp file of one colour, with `corner` at its top-left pixel.
void WriteBmp(const std::string& path, int width, int height, COLORREF colour, COLORREF corner)
{
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = (x == 0 && y == 0) ? corner : colour;
            std::uint8_t* p = &pixels[static_cast<std::size_t>((height - 1 - y) * stride + x * 3)];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
}

void WriteBmp(const std::string& path, COLORREF colour) { WriteBmp(path, 20, 10, colour, colour); }

// The colour of a picture's pixel, read from its bitmap.
COLORREF PictureColour(const TImage* image, int x = 5, int y = 5)
{
    HBITMAP bitmap = image ? BitmapOf(image->GetPicture()) : nullptr;
    if (!bitmap)
        return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

class Language : public LanguageState {
public:
    explicit Language(std::string folder) : m_folder(std::move(folder)) {}
    bool FullyAvailable() const override { return true; }
    std::string Folder() const override { return m_folder; }
    std::string Name() const override { return "German"; }

private:
    std::string m_folder;
};

constexpr COLORREF kRed = RGB(200, 30, 30), kGreen = RGB(30, 200, 30), kBlue = RGB(30, 30, 200),
                   kYellow = RGB(220, 220, 40), kGrey = RGB(100, 100, 100);

class SkinFiles : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_root = std::string(temp) + "vantor-skins-" + std::to_string(GetCurrentProcessId()) + "\\";
        for (const char* dir : {"", "Res", "Res\\main", "Lang", "Lang\\main"})
            CreateDirectoryA((m_root + dir).c_str(), nullptr);
        WriteBmp(m_root + "Res\\main\\Go_b_n.bmp", kRed);
        WriteBmp(m_root + "Res\\main\\Go_b_o.bmp", kGreen);
        WriteBmp(m_root + "Res\\main\\Go_b_d.bmp", kBlue);
        WriteBmp(m_root + "Res\\main\\Go_b_un.bmp", kGrey);
        // The language folder translates only the rollover picture.
        WriteBmp(m_root + "Lang\\main\\Go_b_o.bmp", kYellow);
    }
    void TearDown() override
    {
        SetLanguageState(nullptr);
        for (const char* file : {"Res\\main\\Go_b_n.bmp", "Res\\main\\Go_b_o.bmp", "Res\\main\\Go_b_d.bmp",
                                 "Res\\main\\Go_b_un.bmp", "Lang\\main\\Go_b_o.bmp"})
            DeleteFileA((m_root + file).c_str());
        for (const char* dir : {"Lang\\main", "Lang", "Res\\main", "Res", ""})
            RemoveDirectoryA((m_root + dir).c_str());
    }
    std::string m_root;
};

TEST_F(SkinFiles, ButtonStatesLoadWithLanguageCopiesWhereTheyExist)
{
    TGoodForm form("frmSkin");
    for (const char* name : {"imgGo", "imgGoUp", "imgGoOv", "imgGoDn"})  // no "Ds": skipped
        form.Add<TImage>(name).AutoSize = true;
    const Language german(m_root + "Lang");
    SetLanguageState(&german);
    LoadButtonStates(form, "imgGo", "Go_b", m_root + "Res\\main\\");
    EXPECT_EQ(PictureColour(form.FindImage("imgGo")), kRed);
    EXPECT_EQ(PictureColour(form.FindImage("imgGoUp")), kRed);
    EXPECT_EQ(PictureColour(form.FindImage("imgGoOv")), kYellow) << "the language's copy";
    EXPECT_EQ(PictureColour(form.FindImage("imgGoDn")), kBlue);
    EXPECT_EQ(form.FindImage("imgGo")->Width(), 20) << "auto-size takes the picture's size";
    EXPECT_EQ(form.FindImage("imgGo")->Height(), 10);

    SetLanguageState(nullptr);  // English: the skin folder's own file
    LoadButtonStates(form, "imgGo", "Go_b", m_root + "Res\\main\\");
    EXPECT_EQ(PictureColour(form.FindImage("imgGoOv")), kGreen);

    // A missing file changes nothing; no image, nothing to load into.
    TImage* button = form.FindImage("imgGo");
    const PicturePtr before = button->GetPicture();
    EXPECT_FALSE(LoadSkinBitmap(button, m_root + "Res\\main\\Gone_n.bmp"));
    EXPECT_EQ(button->GetPicture(), before);
    EXPECT_FALSE(LoadSkinBitmap(nullptr, m_root + "Res\\main\\Go_b_n.bmp"));
    // A file that is not a bitmap is treated as missing.
    std::ofstream(m_root + "Res\\main\\Go_b_n.bmp", std::ios::binary | std::ios::trunc) << "not a bitmap";
    EXPECT_FALSE(LoadSkinBitmap(button, m_root + "Res\\main\\Go_b_n.bmp"));
    EXPECT_EQ(button->GetPicture(), before);
}

// Gadgets by the dozen show the same digit files: one bitmap each, shared,
// and a file rewritten on disk is read again.
TEST_F(SkinFiles, ImagesOfTheSameFileShareOnePictureUntilTheFileChanges)
{
    TGoodForm form("frmSkin");
    TImage& first = form.Add<TImage>("imgFirst");
    TImage& second = form.Add<TImage>("imgSecond");
    const std::string file = m_root + "Res\\main\\Go_b_n.bmp";
    ASSERT_TRUE(LoadSkinBitmap(&first, file));
    ASSERT_TRUE(LoadSkinBitmap(&second, file));
    EXPECT_EQ(first.GetPicture(), second.GetPicture());
    EXPECT_EQ(BitmapOf(first.GetPicture()), BitmapOf(second.GetPicture())) << "one bitmap";
    TImage& other = form.Add<TImage>("imgOther");
    ASSERT_TRUE(LoadSkinBitmap(&other, m_root + "Res\\main\\Go_b_o.bmp"));
    EXPECT_NE(other.GetPicture(), first.GetPicture());

    // Rewritten (another size, so the change shows whatever the clock's grain).
    WriteBmp(file, 30, 12, kBlue, kBlue);
    TImage& third = form.Add<TImage>("imgThird");
    ASSERT_TRUE(LoadSkinBitmap(&third, file));
    EXPECT_NE(third.GetPicture(), first.GetPicture());
    EXPECT_EQ(PictureColour(&third), kBlue);
    EXPECT_EQ(third.GetPicture()->Width(), 30);
    EXPECT_EQ(PictureColour(&first), kRed) << "an image keeps the picture it was given";
}

class ShownForm : public testing::Test {
protected:
    void SetUp() override
    {
        FormOptions options;
        options.left = 300;
        options.top = 200;
        options.width = 200;
        options.height = 120;
        ASSERT_TRUE(m_form.Create(options));
        m_form.SetColour(kBack);
        m_form.Show();
        SetForegroundWindow(m_form.Handle());
        Pump(200);
    }

    static constexpr COLORREF kBack = RGB(10, 20, 30);
    TGoodForm m_form{"frmTest"};
};

TEST_F(ShownForm, TransparentPictureLeavesItsKeyColourOut)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "vantor-transparent.bmp";
    WriteBmp(file, 20, 10, kRed, RGB(255, 0, 255));
    auto& image = m_form.Add<TImage>("imgPicture");
    image.AutoSize = true;
    image.SetLeft(40);
    image.SetTop(30);
    ASSERT_TRUE(LoadSkinBitmap(&image, file));
    DeleteFileA(file.c_str());
    Pump();
    EXPECT_EQ(PixelAt(m_form.Handle(), 40, 30), RGB(255, 0, 255)) << "opaque: the corner as drawn";

    SetImageTransparent(image);  // the top-left pixel's colour
    Pump();
    EXPECT_EQ(PixelAt(m_form.Handle(), 40, 30), kBack);
    EXPECT_EQ(PixelAt(m_form.Handle(), 45, 35), kRed);

    SetImageTransparent(image, kRed);
    Pump();
    EXPECT_EQ(PixelAt(m_form.Handle(), 45, 35), kBack);
    EXPECT_EQ(PixelAt(m_form.Handle(), 40, 30), RGB(255, 0, 255));
}

TEST_F(ShownForm, ThrowingHandlerIsReportedAndTheWindowGoesOn)
{
    std::vector<std::string> errors;
    m_form.OnHandlerError = [&](const std::string& text) { errors.push_back(text); };
    auto& image = m_form.Add<TImage>("imgBoom");
    image.SetBounds(20, 20, 60, 40);
    image.CursorShape = crHandPoint;
    int clicks = 0;
    image.OnClick = [&](Control&) {
        ++clicks;
        throw std::runtime_error("Access violation at address 0");
    };
    MouseTo(ScreenPoint(m_form.Handle(), 40, 30));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))) << "the hand over the image";
    for (int i = 0; i < 2; ++i) {
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    }
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "Access violation at address 0");
    EXPECT_TRUE(IsWindow(m_form.Handle()));
    MouseTo(ScreenPoint(m_form.Handle(), 150, 100));
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))) << "off the image: the arrow again";
}

TEST(Privileges, HarmlessPrivilegeTogglesAndUnknownNamesFail)
{
    // Every process holds the bypass-traverse-checking privilege.
    EXPECT_TRUE(EnablePrivilege("SeChangeNotifyPrivilege"));
    EXPECT_TRUE(DisablePrivilege("SeChangeNotifyPrivilege"));
    EXPECT_TRUE(EnablePrivilege("SeChangeNotifyPrivilege"));
    EXPECT_FALSE(EnablePrivilege("SeNoSuchPrivilege"));
    EXPECT_FALSE(DisablePrivilege("SeNoSuchPrivilege"));
    EXPECT_FALSE(EnablePrivilege(""));
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(SystemHelpers, FlashWindowIsFoundAsAChildOfATopLevelWindow)
{
    EXPECT_TRUE(IsFlashWindowAbsent());
    for (const char* name : {"VantorTestHost", "MacromediaFlashPlayerActiveX"}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    HWND host = CreateWindowExA(0, "VantorTestHost", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(IsFlashWindowAbsent()) << "a top-level window alone is not a Flash player";
    HWND flash = CreateWindowExA(0, "MacromediaFlashPlayerActiveX", "", WS_CHILD, 0, 0, 5, 5, host, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(flash, nullptr);
    EXPECT_FALSE(IsFlashWindowAbsent());
    DestroyWindow(host);
    EXPECT_TRUE(IsFlashWindowAbsent());
}

TEST(SystemHelpers, TopmostChangesTheZOrderAndHidesTheApplicationWindow)
{
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "VantorTestHost", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND application = CreateWindowExA(WS_EX_TOOLWINDOW, "VantorTestHost", "", WS_POPUP | WS_VISIBLE, 20, 0, 10, 10,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetApplicationWindow(application);
    SetTopmost(window, HWND_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowVisible(application));
    SetTopmost(window, HWND_NOTOPMOST);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetTopmost(nullptr, HWND_TOPMOST);  // no window: nothing happens
    SetApplicationWindow(nullptr);
    DestroyWindow(application);
    DestroyWindow(window);

    const ScreenSize screen = GetScreenSize();
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(screen.width, 0);
}

}  // namespace
}  // namespace vantor::toolkit
