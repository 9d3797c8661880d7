#pragma once

#include <string>

#include "HRXCustomControl.h"

// Two lines about the shown group at the bottom of the preset menu; the
// second is also the tooltip. In "My presets" the first line is a link: a
// left click reports (the user folder opens).
class HRXPresetMenuBottomTextInfo : public HRXCustomControl {
public:
    HRXPresetMenuBottomTextInfo(const HRXRect& rect, int32_t tag);

    void setLines(const std::string& first, const std::string& second, bool link);
    const std::string& getFirstLine() const { return firstLine_; }
    const std::string& getSecondLine() const { return secondLine_; }

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint&, uint32_t) override { return kHRXMouseHandled; }

private:
    static std::string elidedAtStart(HRXDrawContext* context, const std::string& text, double width);

    std::string firstLine_;
    std::string secondLine_;
    bool link_ = false;
    bool hovered_ = false;
};

// The preset designer's photo: a left click reports (the designer's page
// opens). Hidden by an empty rectangle.
class HRXDesignerLogo : public HRXCustomControl {
public:
    HRXDesignerLogo(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
};
