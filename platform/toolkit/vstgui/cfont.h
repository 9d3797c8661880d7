#pragma once

#include "cbaseobject.h"
#include "cgeometry.h"

#include <cstdint>
#include <string>

namespace VSTGUI {

enum CTxtFace : int32_t {
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
    kUnderlineFace = 1 << 3,
    kStrikethroughFace = 1 << 4,
};

// A font by face name, size (points, drawn as logical units) and style bits.
// The face is resolved through fontconfig when drawn, so "Arial" and
// "Comic Sans MS" find their metric-compatible or aliased system faces.
class CFontDesc : public CBaseObject {
public:
    CFontDesc(const char* name = nullptr, CCoord size = 0.0, int32_t style = kNormalFace);
    ~CFontDesc() override = default;

    const std::string& getName() const { return name_; }
    CCoord getSize() const { return size_; }
    int32_t getStyle() const { return style_; }
    void setName(const char* name) { name_ = name ? name : ""; }
    void setSize(CCoord size) { size_ = size; }
    void setStyle(int32_t style) { style_ = style; }

private:
    std::string name_;
    CCoord size_;
    int32_t style_;
};

using CFontRef = CFontDesc*;

}  // namespace VSTGUI
