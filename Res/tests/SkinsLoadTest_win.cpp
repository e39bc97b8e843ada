// Every picture of the skin manifest, loaded the way the windows load their
// skins (LoadImageA from a file into a DIB section): it must load, keep its
// listed size and 24 bits per pixel, and show the key colour at the listed
// pixels when read back through a device context, as the region builder and
// the transparent images read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string path;  // from the program folder, with backslashes
    int width = 0;
    int height = 0;
    bool hasKey = false;
    COLORREF key = 0;
    std::vector<POINT> keyPoints;
};

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The manifest rows: path | WxH | key RRGGBB | key pixels | used by.
std::vector<Picture> ReadManifest(const std::string& file)
{
    std::vector<Picture> pictures;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (Trim(line).empty() || Trim(line)[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::stringstream row(line);
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(Trim(cell));
        if (cells.size() != 5 || cells[1] == "wav")
            continue;
        Picture picture;
        picture.path = cells[0];
        for (char& c : picture.path)
            if (c == '/')
                c = '\\';
        if (std::sscanf(cells[1].c_str(), "%dx%d", &picture.width, &picture.height) != 2)
            continue;
        if (cells[2] != "-") {
            const unsigned long rgb = std::stoul(cells[2], nullptr, 16);
            picture.hasKey = true;
            picture.key = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
            if (cells[3] == "corners") {
                picture.keyPoints = {{0, 0},
                                     {picture.width - 1, 0},
                                     {0, picture.height - 1},
                                     {picture.width - 1, picture.height - 1}};
            } else if (cells[3] != "-") {
                std::stringstream points(cells[3]);
                for (std::string point; std::getline(points, point, ';');) {
                    POINT p{};
                    if (std::sscanf(point.c_str(), "%ld,%ld", &p.x, &p.y) == 2)
                        picture.keyPoints.push_back(p);
                }
            }
        }
        pictures.push_back(picture);
    }
    return pictures;
}

TEST(SkinsLoadWin, EveryPictureLoadsWithItsSizeDepthAndKeyPixels)
{
    const std::string folder = ProgramFolder();
    const std::vector<Picture> pictures = ReadManifest(folder + "Res\\skins.txt");
    ASSERT_GT(pictures.size(), 100u) << "manifest missing or unreadable beside the pictures";

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ASSERT_NE(memory, nullptr);
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.path);
        const std::string file = folder + picture.path;
        HANDLE image = LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        HBITMAP bitmap = static_cast<HBITMAP>(image);
        ASSERT_NE(bitmap, nullptr) << "LoadImageA failed, error " << GetLastError();
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, picture.width);
        EXPECT_EQ(dib.dsBm.bmHeight, picture.height);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
        if (!picture.keyPoints.empty()) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            for (const POINT& p : picture.keyPoints)
                EXPECT_EQ(GetPixel(memory, p.x, p.y), picture.key) << "at " << p.x << "," << p.y;
            SelectObject(memory, old);
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The key pixels above are all on the picture's border or top row; this one
// tells the rows apart: the gadget's screen is drawn low in its hexagon, so
// a picture read upside down shows the screen colour at the wrong place.
TEST(SkinsLoadWin, RowsAreReadTopDown)
{
    const std::string file = ProgramFolder() + "Res\\small\\4\\4_UI.bmp";
    HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    // Inside the screen (8, 18)-(107, 46) versus inside the name band above it.
    const COLORREF screen = GetPixel(memory, 50, 30);
    const COLORREF band = GetPixel(memory, 50, 8);
    EXPECT_GT(GetGValue(screen), GetRValue(screen) + 8) << "the reading screen is green";
    EXPECT_NE(screen, band);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

}  // namespace
