#include "PresetBarConfigMenuControls.h"

#include <cstdio>

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

namespace {

constexpr double kButtonWidth = 80.0;
constexpr size_t kTextLimit = 63;  // captions and texts of the menu

std::string bounded(const char* text) {
    return std::string(text ? text : "").substr(0, kTextLimit);
}

// The processor the library was built for, as the version line names it.
const char* processorName() {
#if defined(__x86_64__) || defined(_M_X64)
    return "x64";
#elif defined(__aarch64__)
    return "arm64";
#elif defined(__i386__)
    return "x86";
#else
    return "unknown";
#endif
}

}  // namespace

HRXConfigMenuKickButton::HRXConfigMenuKickButton(const HRXRect& rect, int32_t tag, const char* caption,
                                                 const char* text)
    : PresetBarBasicControl(rect, tag), caption_(bounded(caption)), text_(bounded(text)) {}

HRXRect HRXConfigMenuKickButton::buttonRect() const {
    const double left = viewRect_.left + kCaptionWidth + 10.0;
    return {left, innerRect_.top, left + kButtonWidth, innerRect_.bottom};
}

void HRXConfigMenuKickButton::draw(HRXDrawContext* context) {
    const HRXRect captionRect{viewRect_.left, innerRect_.top, viewRect_.left + kCaptionWidth, innerRect_.bottom};
    drawCaption(context, caption_.c_str(), captionRect);
    context->setFont(getFontArial14());
    const ButtonState state = buttonState();
    drawFace(context, buttonRect(), state);
    context->setFontColour(textColour(state));
    context->drawString(text_.c_str(), buttonRect(), kHRXAlignCentre);
}

int32_t HRXConfigMenuKickButton::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!buttonRect().contains(point))
        return (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

HRXConfigPluginInfoText::HRXConfigPluginInfoText(const HRXRect& rect, int32_t tag, const char* version)
    : HRXConfigMenuKickButton(rect, tag, "Plugin's version:", version) {}

void HRXConfigPluginInfoText::draw(HRXDrawContext* context) {
    const double split = viewRect_.left + 110.0;
    context->setFont(getFontArial12());
    context->setFontColour(kTextDim);
    context->drawString(caption_.c_str(), {viewRect_.left, viewRect_.top, split, viewRect_.bottom}, kHRXAlignLeft);
    context->setFont(getFontArial10Info());
    context->setFontColour(hovered_ ? kTextBright : kText);
    context->drawString(text_.c_str(), {split, viewRect_.top, viewRect_.right, viewRect_.bottom}, kHRXAlignLeft);
}

int32_t HRXConfigPluginInfoText::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    // The info line is text, not the kick button it looks like.
    return PresetBarBasicControl::onMouseDown(point, buttons);  // NOLINT(bugprone-parent-virtual-call)
}

void PresetBarCloseButton::draw(HRXDrawContext* context) {
    const ButtonState state = buttonState();
    drawFace(context, innerRect_, state);
    const double cx = (innerRect_.left + innerRect_.right) * 0.5;
    const double cy = (innerRect_.top + innerRect_.bottom) * 0.5;
    const double arm = 4.5;
    context->setLineWidth(2.0);
    context->setFrameColour(textColour(state));
    context->moveTo({cx - arm, cy - arm});
    context->lineTo({cx + arm, cy + arm});
    context->moveTo({cx - arm, cy + arm});
    context->lineTo({cx + arm, cy - arm});
}

std::string makePluginVersionLine(const char* productVersion, const char* frameworkVersion, const char* buildStamp,
                                  const char* formatName) {
    char version[16];
    std::snprintf(version, sizeof version, "v.%s", productVersion ? productVersion : "");
    version[7] = '\0';
    std::string line = version;
    line += std::string(" (sh.") + (frameworkVersion ? frameworkVersion : "") + ")";
    line += std::string(" build:") + (buildStamp ? buildStamp : "");
    line += std::string(formatName ? formatName : "") + "." + processorName();
    return line;
}
