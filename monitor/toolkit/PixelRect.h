// A rectangle of bitmap pixels, right and bottom exclusive, as GDI regions
// take them.
#pragma once

namespace vantor::toolkit {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace vantor::toolkit
