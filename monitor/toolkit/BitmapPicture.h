// A picture backed by a Windows bitmap the picture owns.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Picture.h"

namespace vantor::toolkit {

class BitmapPicture : public Picture {
public:
    // Takes ownership of `bitmap`, which must be valid.
    explicit BitmapPicture(HBITMAP bitmap);
    ~BitmapPicture() override;

    HBITMAP Handle() const { return m_bitmap; }

private:
    HBITMAP m_bitmap;
};

// The bitmap of a picture, or null when it has none.
HBITMAP BitmapOf(const PicturePtr& picture);

// A .bmp file as a picture; null when the file is missing or unreadable.
std::shared_ptr<BitmapPicture> LoadBitmapPicture(const std::string& path);

// The picture drawn again at width x height (a frame's edge stretched to
// its window); null when the source has no bitmap, the size is empty or the
// drawing fails.
std::shared_ptr<BitmapPicture> StretchedPicture(const PicturePtr& source, int width, int height);

}  // namespace vantor::toolkit
