#include "PresetBarConfigMenuControls.h"

#include <cstdio>

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

namespace {

constexpr double kButtonWidth = 80.0;
constexpr size_t kTextLimit = 63;  // captions and texts of the menu

std::string bounded(const char* text) { return std::string(text ? text : "").substr(0, kTextLimit); }

// The processor the library was built for, as the version line names it.
const char* processorName()
{
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
    : PresetBarBasicControl(rect, tag), caption(bounded(caption)), text(bounded(text))
{
}

HRXRect HRXConfigMenuKickButton::buttonRect() const
{
    const double left = viewRect.left + kCaptionWidth + 10.0;
    return {left, innerRect.top, left + kButtonWidth, innerRect.bottom};
}

void HRXConfigMenuKickButton::draw(HRXDrawContext* context)
{
    const HRXRect captionRect{viewRect.left, innerRect.top, viewRect.left + kCaptionWidth, innerRect.bottom};
    drawCaption(context, caption.c_str(), captionRect);
    context->setFont(getFontArial14());
    const ButtonState state = buttonState();
    drawFace(context, buttonRect(), state);
    context->setFontColour(textColour(state));
    context->drawString(text.c_str(), buttonRect(), kHRXAlignCentre);
}

int32_t HRXConfigMenuKickButton::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!buttonRect().contains(point))
        return (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

HRXConfigPluginInfoText::HRXConfigPluginInfoText(const HRXRect& rect, int32_t tag, const char* version)
    : HRXConfigMenuKickButton(rect, tag, "Plugin's version:", version)
{
}

void HRXConfigPluginInfoText::draw(HRXDrawContext* context)
{
    const double split = viewRect.left + 110.0;
    context->setFont(getFontArial12());
    context->setFontColour(kTextDim);
    context->drawString(caption.c_str(), {viewRect.left, viewRect.top, split, viewRect.bottom}, kHRXAlignLeft);
    context->setFont(getFontArial10Info());
    context->setFontColour(hovered ? kTextBright : kText);
    context->drawString(text.c_str(), {split, viewRect.top, viewRect.right, viewRect.bottom}, kHRXAlignLeft);
}

int32_t HRXConfigPluginInfoText::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    // The info line is text, not the kick button it looks like.
    return PresetBarBasicControl::onMouseDown(point, buttons);  // NOLINT(bugprone-parent-virtual-call)
}

void PresetBarCloseButton::draw(HRXDrawContext* context)
{
    const ButtonState state = buttonState();
    drawFace(context, innerRect, state);
    const double cx = (innerRect.left + innerRect.right) * 0.5;
    const double cy = (innerRect.top + innerRect.bottom) * 0.5;
    const double arm = 4.5;
    context->setLineWidth(2.0);
    context->setFrameColour(textColour(state));
    context->moveTo({cx - arm, cy - arm});
    context->lineTo({cx + arm, cy + arm});
    context->moveTo({cx - arm, cy + arm});
    context->lineTo({cx + arm, cy - arm});
}

std::string makePluginVersionLine(const char* productVersion, const char* frameworkVersion, const char* buildStamp,
                                  const char* formatName)
{
    char version[16];
    std::snprintf(version, sizeof version, "v.%s", productVersion ? productVersion : "");
    version[7] = '\0';
    std::string line = version;
    line += std::string(" (sh.") + (frameworkVersion ? frameworkVersion : "") + ")";
    line += std::string(" build:") + (buildStamp ? buildStamp : "");
    line += std::string(formatName ? formatName : "") + "." + processorName();
    return line;
}
