#include "PresetBarSwitches.h"

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

PresetBarLabelledSwitch::PresetBarLabelledSwitch(const HRXRect& rect, int32_t tag,
                                                 const std::vector<std::string>& labels)
    : HRXHorizontalSwitch(rect, tag, nullptr, static_cast<int32_t>(labels.size())), labels_(labels) {
    value_ = 0.0;
}

HRXRect PresetBarLabelledSwitch::segmentRect(int32_t position) const {
    const double width = viewRect_.width() / static_cast<double>(labels_.size());
    const double left = viewRect_.left + width * position;
    return {left, viewRect_.top, left + width, viewRect_.bottom};
}

void PresetBarLabelledSwitch::draw(HRXDrawContext* context) {
    context->setFont(getFontArial14());
    for (int32_t i = 0; i < static_cast<int32_t>(labels_.size()); ++i) {
        ButtonState state;
        state.active = i == getPosition();
        state.hovered = i == hoveredSegment_;
        const HRXRect rect = segmentRect(i);
        drawFace(context, rect, state);
        context->setFontColour(textColour(state));
        context->drawString(labels_[static_cast<size_t>(i)].c_str(), rect, kHRXAlignCentre);
    }
}

int32_t PresetBarLabelledSwitch::onMouseMoved(const HRXPoint& point, uint32_t buttons) {
    if (buttons & kHRXLeftButton)
        return HRXHorizontalSwitch::onMouseMoved(point, buttons);
    int32_t under = -1;
    for (int32_t i = 0; i < static_cast<int32_t>(labels_.size()); ++i) {
        if (segmentRect(i).contains(point))
            under = i;
    }
    if (under != hoveredSegment_) {
        hoveredSegment_ = under;
        redraw();
    }
    return kHRXMouseHandled;
}

int32_t PresetBarLabelledSwitch::onMouseEntered(const HRXPoint& point, uint32_t buttons) {
    return onMouseMoved(point, buttons & ~kHRXLeftButton);
}

int32_t PresetBarLabelledSwitch::onMouseExited(const HRXPoint&, uint32_t) {
    hoveredSegment_ = -1;
    redraw();
    return kHRXMouseHandled;
}

HRXConfigMenu2waySwitch::HRXConfigMenu2waySwitch(const HRXRect& rect, int32_t tag, const char* caption, const char* off,
                                                 const char* on)
    : PresetBarBasicControl(rect, tag), caption_(caption), labels_{off, on} {
    value_ = 1.0;
}

HRXRect HRXConfigMenu2waySwitch::positionRect(int32_t position) const {
    const double left = viewRect_.left + kCaptionWidth + 10.0;
    const double width = (viewRect_.right - left) * 0.5;
    return {left + width * position, innerRect_.top, left + width * (position + 1), innerRect_.bottom};
}

int32_t HRXConfigMenu2waySwitch::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (positionRect(0).contains(point))
        value_ = 0.0;
    else if (positionRect(1).contains(point))
        value_ = 1.0;
    else
        return kHRXMouseHandledNoMoves;
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

void HRXConfigMenu2waySwitch::draw(HRXDrawContext* context) {
    const HRXRect captionRect{viewRect_.left, innerRect_.top, viewRect_.left + kCaptionWidth, innerRect_.bottom};
    drawCaption(context, caption_.c_str(), captionRect);
    context->setFont(getFontArial14());
    for (int32_t i = 0; i < 2; ++i) {
        ButtonState state = buttonState();
        state.active = (value_ > 0.5) == (i == 1);
        state.pressed = false;
        drawFace(context, positionRect(i), state);
        context->setFontColour(textColour(state));
        context->drawString(labels_[i].c_str(), positionRect(i), kHRXAlignCentre);
    }
}
