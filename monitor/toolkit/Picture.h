// A picture an image control shows: its size, and on Windows the bitmap
// behind it (BitmapPicture). Pictures are shared: a button and its state
// companion may show the same one, as the toolkit's picture assignment does.
#pragma once

#include <memory>

namespace vantor::toolkit {

class Picture {
public:
    Picture(int width, int height) : m_width(width), m_height(height) {}
    virtual ~Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace vantor::toolkit
