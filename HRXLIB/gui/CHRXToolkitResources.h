#pragma once

#include "CHRXBitmapWrapper.h"
#include "CHRXFontWrapper.h"

namespace Brackenworks {

// The toolkit objects behind the engine-neutral resources. Every HRXBitmap
// and HRXFont of the product is one of the toolkit wrappers; null passes
// through, and an empty bitmap wrapper answers null.
inline VSTGUI::CBitmap* toolkitBitmapOf(HRXBitmap* bitmap) {
    return bitmap ? static_cast<CHRXBitmapWrapper*>(bitmap)->getBitmap() : nullptr;
}

inline VSTGUI::CFontDesc* toolkitFontOf(HRXFont* font) {
    return font ? static_cast<CHRXFontWrapper*>(font)->getFontDesc() : nullptr;
}

}  // namespace Brackenworks
