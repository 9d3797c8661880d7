#pragma once

#include "HRXCustomControl.h"

class HRXFont;

// The about box: the about picture with the version and credit lines, a link
// to the maker's web site (underlined while the mouse is over it), and a
// click anywhere else that asks the editor to close the box.
class CInfo : public HRXCustomControl {
public:
    static constexpr int32_t kTag = 28;
    static constexpr int32_t kVersionTextSize = 8;
    static constexpr HRXColour kTextColour{200, 200, 200, 255};
    static constexpr HRXColour kLinkColour{54, 151, 206, 255};

    // version is shown after "v.", cut to the 8-byte field.
    CInfo(const HRXRect& rect, int32_t tag, HRXBitmap* picture, const char* version);

    void setDefaultValue(double value) override { ownDefaultValue_ = value; }
    double getDefaultValue() const override { return ownDefaultValue_; }
    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;

    const char* getVersionText() const { return versionText_; }
    const HRXRect& getLinkRect() const { return linkRect_; }
    bool isLinkHovered() const { return linkHover_; }

private:
    HRXRect offsetRect(double left, double top, double right, double bottom) const;

    char versionText_[kVersionTextSize];
    HRXRect linkRect_;
    bool linkHover_ = false;
    double ownDefaultValue_ = 0.5;
};
