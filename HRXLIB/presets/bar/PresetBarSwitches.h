#pragma once

#include <string>
#include <vector>

#include "HRXHorizontalSwitch.h"
#include "PresetBarBasicControl.h"

// A segment switch drawn as labelled segments side by side, the selected
// one lit; the pointer lights the segment under it.
class PresetBarLabelledSwitch : public HRXHorizontalSwitch {
public:
    PresetBarLabelledSwitch(const HRXRect& rect, int32_t tag, const std::vector<std::string>& labels);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;
    const std::vector<std::string>& getLabels() const { return labels_; }
    // The rectangle of a segment's label.
    HRXRect segmentRect(int32_t position) const;

private:
    std::vector<std::string> labels_;
    int32_t hoveredSegment_ = -1;
};

// The preset groups: "Application", "Designer", "My presets" (0.0, 0.5, 1.0).
class HRXPresetMenuGroupSwitch : public PresetBarLabelledSwitch {
public:
    HRXPresetMenuGroupSwitch(const HRXRect& rect, int32_t tag)
        : PresetBarLabelledSwitch(rect, tag, {"Application", "Designer", "My presets"}) {}
};

// The configuration menu's pages: "Global settings" (0) and "Plugin info" (1).
class HRXConfigMenuGroupSwitch : public PresetBarLabelledSwitch {
public:
    HRXConfigMenuGroupSwitch(const HRXRect& rect, int32_t tag)
        : PresetBarLabelledSwitch(rect, tag, {"Global settings", "Plugin info"}) {}
};

// A caption and a two-position switch beside it ("Hints:" Hide / Show): a
// press on a position reports 0.0 or 1.0.
class HRXConfigMenu2waySwitch : public PresetBarBasicControl {
public:
    HRXConfigMenu2waySwitch(const HRXRect& rect, int32_t tag, const char* caption, const char* off, const char* on);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    HRXRect positionRect(int32_t position) const;

private:
    std::string caption_;
    std::string labels_[2];
};
