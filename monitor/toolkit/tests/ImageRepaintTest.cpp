// An image control asks its window for a repaint only when what it shows
// changes: a gadget sets the same digit pictures on every polling tick.
#include "toolkit/TImage.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantor::toolkit {
namespace {

class CountingHost final : public ControlHost {
public:
    void Invalidate(const Control&) override { ++repaints; }
    void Changed(Control&) override {}
    int repaints = 0;
};

TEST(ImageRepaint, OnlyANewPictureOrTransparencyAsksForARepaint)
{
    CountingHost host;
    TImage image("imgSensor1");
    image.SetHost(&host);
    const PicturePtr seven = std::make_shared<Picture>(11, 18);
    const PicturePtr eight = std::make_shared<Picture>(11, 18);

    image.SetPicture(seven);
    EXPECT_EQ(host.repaints, 1);
    image.SetPicture(seven);
    image.SetTransparent(false, 0);
    EXPECT_EQ(host.repaints, 1);

    image.SetPicture(eight);
    EXPECT_EQ(host.repaints, 2);
    image.SetTransparent(true, 0x00FF00FF);
    EXPECT_EQ(host.repaints, 3);
    image.SetPicture(nullptr);
    EXPECT_EQ(host.repaints, 4);
    EXPECT_EQ(image.GetPicture(), nullptr);
}

}  // namespace
}  // namespace vantor::toolkit
