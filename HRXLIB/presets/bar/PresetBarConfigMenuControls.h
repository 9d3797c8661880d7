#pragma once

#include <string>

#include "PresetBarBasicControl.h"

// A caption and a button beside it ("Manual:" and "Open"): a press on the
// button reports.
class HRXConfigMenuKickButton : public PresetBarBasicControl {
public:
    HRXConfigMenuKickButton(const HRXRect& rect, int32_t tag, const char* caption, const char* text);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    HRXRect buttonRect() const;
    const std::string& getText() const { return text_; }

protected:
    std::string caption_;
    std::string text_;
};

// The plug-in's version under its caption; a click on it reports too.
class HRXConfigPluginInfoText : public HRXConfigMenuKickButton {
public:
    HRXConfigPluginInfoText(const HRXRect& rect, int32_t tag, const char* version);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
};

// A close button: a cross on the face.
class PresetBarCloseButton : public PresetBarBasicControl {
public:
    using PresetBarBasicControl::PresetBarBasicControl;
    void draw(HRXDrawContext* context) override;
};

// "v.2.2.1 (sh.6.4.6) build:07041411aax.x64": the product version cut to
// seven characters after "v.", the framework version, the build's month, day,
// hour and minute, the host format and the processor.
std::string makePluginVersionLine(const char* productVersion, const char* frameworkVersion, const char* buildStamp,
                                  const char* formatName);
