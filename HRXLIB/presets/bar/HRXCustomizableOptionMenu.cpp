#include "HRXCustomizableOptionMenu.h"

#include "HRXLibraryResources.h"
#include "PresetBarStyle.h"

using namespace PresetBarStyle;

HRXCustomizableOptionMenu::HRXCustomizableOptionMenu(const HRXPoint& topLeft, int32_t tag)
    : HRXCustomControl({topLeft.x, topLeft.y, topLeft.x + kWidth, topLeft.y}, tag, nullptr) {}

void HRXCustomizableOptionMenu::addItem(const char* title, int32_t itemTag) {
    items_.push_back({title ? title : "", itemTag});
    HRXRect rect = viewRect_;
    rect.bottom = rect.top + kItemHeight * getItemCount();
    setViewSize(rect);
}

HRXRect HRXCustomizableOptionMenu::itemRect(int32_t index) const {
    const double top = viewRect_.top + kItemHeight * index;
    return {viewRect_.left, top, viewRect_.right, top + kItemHeight};
}

void HRXCustomizableOptionMenu::setCheckedTag(int32_t itemTag) {
    checkedTag_ = itemTag;
    redraw();
}

int32_t HRXCustomizableOptionMenu::itemAt(const HRXPoint& point) const {
    if (!viewRect_.contains(point) || point.y >= viewRect_.bottom)
        return -1;
    const auto index = static_cast<int32_t>((point.y - viewRect_.top) / kItemHeight);
    return index < getItemCount() ? index : -1;
}

void HRXCustomizableOptionMenu::draw(HRXDrawContext* context) {
    context->setFillColour(kListBackground);
    context->fillRect(viewRect_);
    context->setFont(getFontArial12());
    for (int32_t i = 0; i < getItemCount(); ++i) {
        const HRXRect rect = itemRect(i);
        const bool checked = items_[static_cast<size_t>(i)].tag == checkedTag_;
        if (i == hoveredItem_) {
            context->setFillColour(kFaceHovered);
            context->fillRect(rect);
        }
        if (checked) {
            context->setFillColour(kAccent);
            context->fillRect({rect.left + 1.0, rect.top + 3.0, rect.left + 3.0, rect.bottom - 3.0});
        }
        context->setFontColour(checked ? kAccent : (i == hoveredItem_ ? kTextBright : kText));
        context->drawString(items_[static_cast<size_t>(i)].title.c_str(), inset(rect, kTextInset, 0.0), kHRXAlignLeft);
    }
    drawFrame(context, viewRect_, kEdgeHovered);
}

int32_t HRXCustomizableOptionMenu::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseHandledNoMoves;
    const int32_t index = itemAt(point);
    if (index < 0)
        return kHRXMouseHandledNoMoves;
    chosenTag_ = items_[static_cast<size_t>(index)].tag;
    valueChanged();
    return kHRXMouseHandledNoMoves;
}

int32_t HRXCustomizableOptionMenu::onMouseMoved(const HRXPoint& point, uint32_t) {
    const int32_t index = itemAt(point);
    if (index != hoveredItem_) {
        hoveredItem_ = index;
        redraw();
    }
    return kHRXMouseHandled;
}

int32_t HRXCustomizableOptionMenu::onMouseExited(const HRXPoint&, uint32_t) {
    hoveredItem_ = -1;
    redraw();
    return kHRXMouseHandled;
}

HRXCustomizableOptionMenuPackageHandler::HRXCustomizableOptionMenuPackageHandler(const HRXRect& rect, int32_t tag,
                                                                                 const HRXRect& passThrough)
    : HRXKickButton(rect, tag), passThrough_(passThrough) {}

int32_t HRXCustomizableOptionMenuPackageHandler::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (passThrough_.contains(point))
        return kHRXMouseNotHandled;
    HRXKickButton::onMouseDown(point, buttons);
    return kHRXMouseHandledNoMoves;
}

bool HRXCustomizableOptionMenuPackageHandler::onWheel(const HRXPoint& point, float, uint32_t) {
    return !passThrough_.contains(point);
}
