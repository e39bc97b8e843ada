// Loading skin bitmaps into image controls: translated copies from the
// language folder, a skinned button's state pictures, and transparency.
#pragma once

#include <windows.h>

#include <string>

namespace vantor::toolkit {

class TGoodForm;
class TImage;

// Loads the bitmap at `path` into `image` (which may be null). A copy under
// the active language's folder (see LanguageSkinPath) is taken instead when
// it exists. A missing file changes nothing and reports nothing; the result
// only says whether a picture was loaded. Images given the same unchanged
// file share one picture (pictures are never drawn on).
bool LoadSkinBitmap(TImage* image, const std::string& path);

// The button `name` and its companions "Up", "Ov", "Dn", "Ds" load
// folder + base + "_n", "_n", "_o", "_d", "_un" + ".bmp" in that order;
// absent controls are skipped. `folder` ends with a backslash.
void LoadButtonStates(const TGoodForm& form, const std::string& name, const std::string& base,
                      const std::string& folder);

// The image draws its bitmap leaving out `colour`.
void SetImageTransparent(TImage& image, COLORREF colour);
// The same with the colour of the bitmap's top-left pixel; nothing without a bitmap.
void SetImageTransparent(TImage& image);

}  // namespace vantor::toolkit
