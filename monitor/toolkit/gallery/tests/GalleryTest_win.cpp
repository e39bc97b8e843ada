// The gallery on the (Xvfb) screen, driven with real mouse input: the
// picture a skinned button shows through a whole rollover sequence, read
// back from the window's pixels; the knob's drag; a hint; the timer; the
// child windows following their controls; the tray icon; the product's
// rendered skins (its buttons compared pixel by pixel with the BMP files, the
// cover window cut from its outline) and the drawn stand-ins without them.
// Screenshots of the gallery in its states go to $VANTOR_SCREENS_DIR.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoSkin.h"
#include "GalleryForm.h"
#include "ProductSkin.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "toolkit/KnobLogic.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTimer.h"
#include "toolkit/TTreeView.h"

namespace vantor::gallery {
namespace {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::PixelAt;
using toolkit::test::Pump;
using toolkit::test::ScreenPoint;

// A BMP file as LoadImageA reads it, for the colours it should put on screen.
class BmpFile {
public:
    explicit BmpFile(const std::string& path)
        : m_bitmap(static_cast<HBITMAP>(
                  LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION))),
          m_dc(CreateCompatibleDC(nullptr))
    {
        if (m_bitmap) {
            m_old = SelectObject(m_dc, m_bitmap);
            BITMAP info{};
            GetObjectA(m_bitmap, sizeof info, &info);
            m_width = info.bmWidth;
            m_height = info.bmHeight;
        }
    }
    ~BmpFile()
    {
        if (m_bitmap) {
            SelectObject(m_dc, m_old);
            DeleteObject(m_bitmap);
        }
        DeleteDC(m_dc);
    }
    BmpFile(const BmpFile&) = delete;
    BmpFile& operator=(const BmpFile&) = delete;

    bool Loaded() const { return m_bitmap != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HBITMAP m_bitmap;
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Points where every one of `states` has a different, non-key colour: a few
// spread over the picture, so that each state is told apart by its pixels.
std::vector<POINT> DistinguishingPoints(const std::vector<const BmpFile*>& states, COLORREF key)
{
    std::vector<POINT> all;
    const BmpFile& first = *states.front();
    for (int y = 0; y < first.Height(); ++y) {
        for (int x = 0; x < first.Width(); ++x) {
            bool distinct = true;
            for (size_t i = 0; i < states.size() && distinct; ++i) {
                distinct = states[i]->At(x, y) != key;
                for (size_t j = 0; j < i && distinct; ++j)
                    distinct = states[i]->At(x, y) != states[j]->At(x, y);
            }
            if (distinct)
                all.push_back({x, y});
        }
    }
    if (all.empty())
        return all;
    return {all.front(), all[all.size() / 2], all.back()};
}

class Gallery : public testing::Test {
protected:
    // The gallery with the rendered skins from beside the test program,
    // where the build puts them before the test runs.
    void SetUp() override { Start(ProgramResFolder()); }

    void Start(const std::string& resFolder)
    {
        ASSERT_TRUE(m_gallery.Build(60, 60, resFolder));
        m_gallery.Show();
        m_gallery.Shaped().Show();
        SetForegroundWindow(m_gallery.Handle());
        Pump(300);
        m_window = m_gallery.Handle();
        // Start with the pointer on the panel below the buttons, away from them.
        m_away = ScreenPoint(m_window, 300, 212);
        MouseTo(m_away);
    }

    // The face colour the APPLY button shows (left of its caption).
    COLORREF GoFace() const { return PixelAt(m_window, kGoButton.left + 6, kGoButton.top + 15); }
    POINT GoInside() const { return ScreenPoint(m_window, kGoButton.left + 50, kGoButton.top + 14); }
    POINT GoOutside() const { return ScreenPoint(m_window, kGoButton.left + 50, kGoButton.bottom + 30); }

    GalleryForm m_gallery;
    HWND m_window = nullptr;
    POINT m_away{};
};

TEST_F(Gallery, SkinnedButtonShowsEachStateThroughARolloverSequence)
{
    EXPECT_EQ(GoFace(), kFaceUp);
    toolkit::test::SaveScreenshot("toolkit-gallery");

    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver) << "pointer in";
    toolkit::test::SaveScreenshot("toolkit-gallery-over");

    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GoFace(), kFaceDown) << "pressed";
    EXPECT_EQ(m_gallery.Pressed(), 1);
    toolkit::test::SaveScreenshot("toolkit-gallery-down");

    MouseTo(GoOutside());
    EXPECT_EQ(GoFace(), kFaceUp) << "dragged out";
    EXPECT_EQ(GetCapture(), m_window) << "the press keeps the mouse";
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceDown) << "back in";

    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp) << "released inside";
    EXPECT_EQ(m_gallery.Clicks(), 1);
    EXPECT_EQ(m_gallery.Released(), 1);

    // A click without leaving: the pointer that stays keeps "Up" until it
    // has left the button and come back.
    MouseTo(GoOutside());
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver);
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp);
    EXPECT_EQ(m_gallery.Clicks(), 2);
    MouseTo(ScreenPoint(m_window, kGoButton.left + 52, kGoButton.top + 14));
    EXPECT_EQ(GoFace(), kFaceUp) << "no rollover again until the pointer has left";

    // Leave and come back, press, release outside: no click, Up stays.
    MouseTo(GoOutside());
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver);
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GoFace(), kFaceDown);
    MouseTo(GoOutside());
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp);
    EXPECT_EQ(m_gallery.Clicks(), 2);
    EXPECT_EQ(m_gallery.Pressed(), 3);
    EXPECT_EQ(m_gallery.Released(), 3);
    EXPECT_NE(GetCapture(), m_window);

    // The disabled RESET button shows its disabled picture and takes no press.
    const int resetLeft = kGoButton.right + 12;
    EXPECT_EQ(PixelAt(m_window, resetLeft + 6, kGoButton.top + 15), kFaceDisabled);
    MouseTo(ScreenPoint(m_window, resetLeft + 50, kGoButton.top + 14));
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(PixelAt(m_window, resetLeft + 6, kGoButton.top + 15), kFaceDisabled);
    EXPECT_EQ(m_gallery.Pressed(), 3);
}

TEST_F(Gallery, KnobFollowsTheDragWithinItsTrack)
{
    auto* knob = m_gallery.FindImage("imgKnob");
    ASSERT_NE(knob, nullptr);
    ASSERT_EQ(knob->Left(), toolkit::kKnobMinLeft);
    MouseTo(ScreenPoint(m_window, knob->Left() + 7, kKnobTop + 12));
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseTo(ScreenPoint(m_window, knob->Left() + 7 + 30, kKnobTop + 12));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft + 30);
    toolkit::test::SaveScreenshot("toolkit-gallery-knob");
    MouseTo(ScreenPoint(m_window, 640, kKnobTop + 40));  // far right, below the track
    EXPECT_EQ(knob->Left(), toolkit::kKnobMaxLeft);
    const int moves = m_gallery.KnobMoves();
    MouseTo(ScreenPoint(m_window, 650, kKnobTop));  // still clamped: notified all the same
    EXPECT_EQ(knob->Left(), toolkit::kKnobMaxLeft);
    EXPECT_EQ(m_gallery.KnobMoves(), moves + 1);
    MouseTo(ScreenPoint(m_window, 20, kKnobTop));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft);
    // The knob's pixels moved with it: the options window's knob picture
    // at its new place.
    const BmpFile point(ProgramResFolder() + "options\\point.bmp");
    ASSERT_TRUE(point.Loaded());
    EXPECT_EQ(knob->Width(), point.Width());
    const int knobTop = kKnobTop + (kKnobHeight - point.Height()) / 2;
    EXPECT_EQ(knob->Top(), knobTop);
    for (const POINT p : {POINT{1, 1}, POINT{point.Width() / 2, point.Height() / 2}, POINT{point.Width() - 2, 2}})
        EXPECT_EQ(PixelAt(m_window, toolkit::kKnobMinLeft + p.x, knobTop + p.y), point.At(p.x, p.y))
                << p.x << "," << p.y;
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    MouseTo(ScreenPoint(m_window, 600, kKnobTop + 12));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft) << "released: moves no longer drag it";
}

TEST_F(Gallery, HintOfAHoveredControlAppears)
{
    MouseTo(GoInside());
    HWND tips = m_gallery.HintWindow();
    ASSERT_NE(tips, nullptr);
    for (int i = 0; i < 40 && !IsWindowVisible(tips); ++i)
        Pump(50);
    ASSERT_TRUE(IsWindowVisible(tips)) << "no tooltip after 2 s";
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    char text[80] = {};
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(tips, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_STREQ(text, "Applies the settings");
    toolkit::test::SaveScreenshot("toolkit-gallery-hint");
}

TEST_F(Gallery, TimerFiresWhileEnabledOnly)
{
    toolkit::TTimer* timer = m_gallery.FindTimer("tmrClock");
    ASSERT_NE(timer, nullptr);
    const int before = m_gallery.Ticks();
    Pump(900);
    EXPECT_GE(m_gallery.Ticks(), before + 2);
    timer->SetEnabled(false);
    Pump(10);
    const int stopped = m_gallery.Ticks();
    Pump(600);
    EXPECT_EQ(m_gallery.Ticks(), stopped);
    timer->SetEnabled(true);
    timer->SetInterval(0);  // 0 stops it rather than spinning
    Pump(400);
    EXPECT_EQ(m_gallery.Ticks(), stopped);
}

TEST_F(Gallery, ChildWindowsFollowTheirControls)
{
    auto* list = dynamic_cast<toolkit::TListBox*>(m_gallery.FindControl("lbxSensors"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetParent(list->Handle()), m_window);
    list->SetBounds(190, 280, 100, 60);
    RECT r;
    GetWindowRect(list->Handle(), &r);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 190);
    EXPECT_EQ(r.top, 280);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 60);
    list->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(list->Handle()));
    list->SetVisible(true);
    list->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(list->Handle()));

    // A panel's children live in the panel's window.
    auto* panel = dynamic_cast<toolkit::TPanel*>(m_gallery.FindControl("pnlBrowser"));
    auto* address = dynamic_cast<toolkit::TWinControl*>(m_gallery.FindControl("edtAddress"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(GetParent(address->Handle()), panel->Handle());

    auto* tree = dynamic_cast<toolkit::TTreeView*>(m_gallery.FindControl("tvInfo"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Count(), 9);
}

// The main panel's DMI button from the rendered skin, driven through the
// same sequence; what the window shows is compared with the BMP files.
TEST_F(Gallery, ProductButtonShowsItsSkinPicturesThroughARolloverSequence)
{
    ASSERT_TRUE(m_gallery.UsesProductSkin()) << "no rendered skins in " << ProgramResFolder();
    const std::string main = ProgramResFolder() + "main\\";
    const BmpFile normal(main + "DMI_b_n.bmp"), over(main + "DMI_b_o.bmp"), down(main + "DMI_b_d.bmp");
    ASSERT_TRUE(normal.Loaded() && over.Loaded() && down.Loaded());
    const COLORREF key = normal.At(0, 0);
    const std::vector<POINT> samples = DistinguishingPoints({&normal, &over, &down}, key);
    ASSERT_FALSE(samples.empty()) << "the three pictures never differ";

    const ProductButton& dmi = kProductButtons[0];
    const int left = kProductColumn.x + dmi.left, top = kProductColumn.y + dmi.top;
    auto shows = [&](const BmpFile& expected) {
        for (const POINT p : samples) {
            const COLORREF seen = PixelAt(m_window, left + p.x, top + p.y);
            if (seen != expected.At(p.x, p.y)) {
                ADD_FAILURE() << "at " << p.x << "," << p.y << " the window shows " << std::hex << seen
                              << ", the file has " << expected.At(p.x, p.y);
                return false;
            }
        }
        return true;
    };
    const POINT inside = ScreenPoint(m_window, left + dmi.width / 2, top + dmi.height / 2);
    const POINT outside = ScreenPoint(m_window, left - 16, top + dmi.height / 2);

    EXPECT_TRUE(shows(normal)) << "at rest";
    // The key-coloured corner is left out: the panel shows through.
    EXPECT_EQ(PixelAt(m_window, left, top), kPanelColour);
    toolkit::test::SaveScreenshot("toolkit-gallery-skins");

    MouseTo(inside);
    EXPECT_TRUE(shows(over)) << "pointer in";
    toolkit::test::SaveScreenshot("toolkit-gallery-skins-over");
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(shows(down)) << "pressed";
    toolkit::test::SaveScreenshot("toolkit-gallery-skins-down");
    MouseTo(outside);
    EXPECT_TRUE(shows(normal)) << "dragged out";
    MouseTo(inside);
    EXPECT_TRUE(shows(down)) << "back in";
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(shows(normal)) << "released inside";
    EXPECT_EQ(m_gallery.Clicks(), 1);
    auto* lastClicked = dynamic_cast<toolkit::TLabel*>(m_gallery.FindControl("lbLastClicked"));
    ASSERT_NE(lastClicked, nullptr);
    EXPECT_EQ(lastClicked->Caption(), "DMI clicked");
}

// The strip shows each picture of the DMI button as the file holds it.
TEST_F(Gallery, StateStripShowsEachSkinPicture)
{
    ASSERT_TRUE(m_gallery.UsesProductSkin());
    const std::string main = ProgramResFolder() + "main\\";
    const BmpFile files[] = {BmpFile(main + "DMI_b_n.bmp"), BmpFile(main + "DMI_b_o.bmp"),
                             BmpFile(main + "DMI_b_d.bmp"), BmpFile(main + "DMI_b_un.bmp")};
    std::vector<const BmpFile*> states;
    for (const BmpFile& file : files) {
        ASSERT_TRUE(file.Loaded());
        states.push_back(&file);
    }
    const std::vector<POINT> samples = DistinguishingPoints(states, files[0].At(0, 0));
    ASSERT_FALSE(samples.empty());
    for (int i = 0; i < 4; ++i)
        for (const POINT p : samples)
            EXPECT_EQ(PixelAt(m_window, kStripLeft + i * kStripPitch + p.x, kStripTop + p.y), files[i].At(p.x, p.y))
                    << "state " << i << " at " << p.x << "," << p.y;
}

// The cover window is cut from its outline picture: the key-coloured
// corners are gone, the middle is kept and shows the picture.
TEST_F(Gallery, CoverWindowIsCutFromItsOutline)
{
    ASSERT_TRUE(m_gallery.UsesProductSkin());
    const BmpFile outline(ProgramResFolder() + "main\\panel_01_c.bmp");
    ASSERT_TRUE(outline.Loaded());
    const int w = outline.Width(), h = outline.Height();
    HWND cover = m_gallery.Shaped().Handle();
    RECT client{};
    GetClientRect(cover, &client);
    EXPECT_EQ(client.right, w);
    EXPECT_EQ(client.bottom, h);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(cover, region), COMPLEXREGION);
    for (const POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}}) {
        EXPECT_EQ(outline.At(corner.x, corner.y), outline.At(0, 0));
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    }
    EXPECT_TRUE(PtInRegion(region, w / 2, h / 2));
    DeleteObject(region);
    EXPECT_EQ(PixelAt(cover, w / 2, h / 2), outline.At(w / 2, h / 2));
}

// Without rendered skins the drawn faces and the badge stand in, and the
// window says so.
class GalleryWithoutSkins : public Gallery {
protected:
    void SetUp() override { Start("Z:\\no-such-folder\\Res\\"); }
};

TEST_F(GalleryWithoutSkins, DrawnFacesStandInAndTheWindowSaysSo)
{
    EXPECT_FALSE(m_gallery.UsesProductSkin());
    auto* source = dynamic_cast<toolkit::TLabel*>(m_gallery.FindControl("lbSkinSource"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->Caption(), "No rendered skins beside the program: drawn stand-in faces shown");
    const ProductButton& dmi = kProductButtons[0];
    const int left = kProductColumn.x + dmi.left, top = kProductColumn.y + dmi.top;
    EXPECT_EQ(PixelAt(m_window, left + 6, top + dmi.height / 2), kFaceUp);
    MouseTo(ScreenPoint(m_window, left + dmi.width / 2, top + dmi.height / 2));
    EXPECT_EQ(PixelAt(m_window, left + 6, top + dmi.height / 2), kFaceOver);
    EXPECT_EQ(PixelAt(m_window, kStripLeft + 3 * kStripPitch + 6, kStripTop + dmi.height / 2), kFaceDisabled);
    toolkit::test::SaveScreenshot("toolkit-gallery-noskins");
}

TEST_F(GalleryWithoutSkins, BadgeIsShapedByItsPicture)
{
    HWND badge = m_gallery.Shaped().Handle();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(badge, region), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 2, 2)) << "a key-coloured corner is cut away";
    EXPECT_TRUE(PtInRegion(region, 75, 65));
    EXPECT_TRUE(PtInRegion(region, 40, 1)) << "the hexagon's top edge";
    DeleteObject(region);
    // What lies under the cut corner shows through: not the key colour.
    POINT corner{2, 2};
    ClientToScreen(badge, &corner);
    HDC screen = GetDC(nullptr);
    const COLORREF under = GetPixel(screen, corner.x, corner.y);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(under, kKeyColour);
}

TEST_F(Gallery, TrayIconIsAddedAndRemovedAndItsMenuRunsItsHandlers)
{
    toolkit::TTrayIcon& tray = m_gallery.Tray();
    EXPECT_TRUE(tray.Shown()) << "the shell refused the icon";
    EXPECT_TRUE(tray.SetTip("Vantor - 2 sensors in alarm"));
    EXPECT_TRUE(tray.Hide());
    EXPECT_FALSE(tray.Hide()) << "already gone";
    EXPECT_TRUE(tray.Show(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), "Vantor"));
    tray.Choose(2);  // Exit
    Pump(100);
    EXPECT_EQ(m_gallery.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(m_window));
}

}  // namespace
}  // namespace vantor::gallery
