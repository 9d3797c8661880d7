#include "HRXPresetCustomMenu.h"

#include <algorithm>
#include <cstdio>

#include "HRXLibraryResources.h"
#include "HRXPresetLibrary.h"
#include "PresetBarStyle.h"

using namespace PresetBarStyle;

HRXPresetCustomMenu::HRXPresetCustomMenu(const HRXRect& rect, int32_t tag) : HRXCustomControl(rect, tag, nullptr) {
    value_ = 0.0;
    layout();
}

void HRXPresetCustomMenu::setViewSize(const HRXRect& rect) {
    HRXCustomControl::setViewSize(rect);
    layout();
}

void HRXPresetCustomMenu::clearEntries() {
    entries_.clear();
    current_ = highlighted_ = clicked_ = -1;
    firstRow_ = 0;
}

bool HRXPresetCustomMenu::addEntry(int32_t item, const std::string& text) {
    if (getEntryCount() >= kMaxEntries)
        return false;
    entries_.push_back({item, text});
    return true;
}

void HRXPresetCustomMenu::layout() {
    const double width = std::max(0.0, viewRect_.width());
    rows_ = std::max(1, static_cast<int32_t>(viewRect_.height() / kRowHeight));
    // Columns of 200 (or the whole width when narrower); the width left over
    // is shared among them, so the rows reach across the control.
    auto fit = [&](double usable) {
        const double narrowest = std::min(kColumnWidth, usable);
        columns_ = narrowest > 0.0 ? std::max(1, static_cast<int32_t>(usable / narrowest)) : 1;
        columnWidth_ = usable / columns_;
    };
    fit(width);
    if (getEntryCount() > columns_ * rows_)
        fit(std::max(0.0, width - kScrollBarWidth));
    rowsPerColumn_ = std::max(rows_, (getEntryCount() + columns_ - 1) / columns_);
    scrollTo(firstRow_);
    redraw();
}

void HRXPresetCustomMenu::scrollTo(int32_t row) {
    firstRow_ = std::max(0, std::min(row, rowsPerColumn_ - rows_));
    redraw();
}

void HRXPresetCustomMenu::scrollIntoView(int32_t index) {
    if (index < 0 || index >= getEntryCount())
        return;
    const int32_t row = index % rowsPerColumn_;
    if (row < firstRow_)
        scrollTo(row);
    else if (row >= firstRow_ + rows_)
        scrollTo(row - rows_ + 1);
}

void HRXPresetCustomMenu::setCurrentEntry(int32_t index) {
    current_ = index >= 0 && index < getEntryCount() ? index : -1;
    scrollIntoView(current_);
    redraw();
}

HRXRect HRXPresetCustomMenu::entryRect(int32_t index) const {
    if (index < 0 || index >= getEntryCount())
        return {};
    const int32_t column = index / rowsPerColumn_;
    const int32_t row = index % rowsPerColumn_ - firstRow_;
    if (row < 0 || row >= rows_ || column >= columns_)
        return {};
    const double left = viewRect_.left + column * columnWidth_;
    const double top = viewRect_.top + row * kRowHeight;
    return {left, top, left + columnWidth_, top + kRowHeight};
}

int32_t HRXPresetCustomMenu::entryAt(const HRXPoint& point) const {
    if (point.x < viewRect_.left || point.y < viewRect_.top)
        return -1;
    const auto column = static_cast<int32_t>((point.x - viewRect_.left) / columnWidth_);
    const auto row = static_cast<int32_t>((point.y - viewRect_.top) / kRowHeight);
    if (column >= columns_ || row >= rows_)
        return -1;
    const int32_t index = column * rowsPerColumn_ + firstRow_ + row;
    return index < getEntryCount() ? index : -1;
}

HRXRect HRXPresetCustomMenu::scrollBarRect() const {
    if (!hasScrollBar())
        return {};
    return {viewRect_.right - kScrollBarWidth, viewRect_.top, viewRect_.right, viewRect_.bottom};
}

HRXRect HRXPresetCustomMenu::thumbRect() const {
    const HRXRect bar = scrollBarRect();
    if (!hasScrollBar())
        return {};
    const double length = std::max(16.0, bar.height() * rows_ / rowsPerColumn_);
    const double travel = bar.height() - length;
    const double top = bar.top + travel * firstRow_ / (rowsPerColumn_ - rows_);
    return {bar.left + 3.0, top + 2.0, bar.right - 3.0, top + length - 2.0};
}

void HRXPresetCustomMenu::draw(HRXDrawContext* context) {
    context->setFillColour(kListBackground);
    context->fillRect(viewRect_);
    context->setFont(getFontArial12());
    for (int32_t i = 0; i < getEntryCount(); ++i) {
        const HRXRect rect = entryRect(i);
        if (rect.width() <= 0.0)
            continue;
        HRXColour text = kText;
        if (i == current_) {
            context->setFillColour(kAccent);
            context->fillRect(inset(rect, 1.0, 1.0));
            text = kOnAccent;
        } else if (i == highlighted_) {
            context->setFillColour(kFaceHovered);
            context->fillRect(inset(rect, 1.0, 1.0));
            text = kTextBright;
        }
        context->setFontColour(text);
        context->drawString(getEntryText(i).c_str(), inset(rect, kTextInset, 0.0), kHRXAlignLeft);
    }
    if (hasScrollBar()) {
        context->setFillColour(kFace);
        context->fillRect(scrollBarRect());
        context->setFillColour(draggingThumb_ ? kAccent : kEdgeHovered);
        context->fillRect(thumbRect());
    }
    drawFrame(context, viewRect_, kEdge);
}

int32_t HRXPresetCustomMenu::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseHandledNoMoves;
    if (hasScrollBar() && scrollBarRect().contains(point)) {
        const HRXRect thumb = thumbRect();
        if (point.y < thumb.top) {
            scrollTo(firstRow_ - rows_);
        } else if (point.y > thumb.bottom) {
            scrollTo(firstRow_ + rows_);
        } else {
            draggingThumb_ = true;
            dragStartY_ = point.y;
            dragStartRow_ = firstRow_;
        }
        return kHRXMouseHandled;
    }
    clicked_ = entryAt(point);
    valueChanged();
    return kHRXMouseHandledNoMoves;
}

int32_t HRXPresetCustomMenu::onMouseMoved(const HRXPoint& point, uint32_t) {
    if (draggingThumb_) {
        const HRXRect bar = scrollBarRect();
        const double length = std::max(16.0, bar.height() * rows_ / rowsPerColumn_);
        const double travel = bar.height() - length;
        if (travel > 0.0)
            scrollTo(dragStartRow_ + static_cast<int32_t>((point.y - dragStartY_) / travel * (rowsPerColumn_ - rows_)));
        return kHRXMouseHandled;
    }
    // The frame repeats the pointer's place after every wheel turn: only a
    // pointer that moved takes the highlight from the wheel.
    if (point.x == lastPointer_.x && point.y == lastPointer_.y)
        return kHRXMouseHandled;
    lastPointer_ = point;
    const int32_t under = scrollBarRect().contains(point) ? -1 : entryAt(point);
    if (under != highlighted_) {
        highlighted_ = under;
        redraw();
    }
    return kHRXMouseHandled;
}

int32_t HRXPresetCustomMenu::onMouseUp(const HRXPoint&, uint32_t) {
    draggingThumb_ = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXPresetCustomMenu::onMouseExited(const HRXPoint&, uint32_t) {
    lastPointer_ = {-1.0, -1.0};
    if (highlighted_ >= 0) {
        highlighted_ = -1;
        redraw();
    }
    return kHRXMouseHandled;
}

bool HRXPresetCustomMenu::onWheel(const HRXPoint&, float distance, uint32_t buttons) {
    const int32_t step = distance > 0.1f ? -1 : (distance < -0.1f ? 1 : 0);
    if (step == 0 || getEntryCount() == 0)
        return true;
    if (buttons & kHRXShift) {
        const int32_t from = highlighted_ >= 0 ? highlighted_ : (current_ >= 0 ? current_ : (step > 0 ? -1 : 1));
        highlighted_ = std::max(0, std::min(from + step, getEntryCount() - 1));
        scrollIntoView(highlighted_);
    } else {
        scrollTo(firstRow_ + step);
    }
    redraw();
    return true;
}

void HRXCategoryColumn::show(int32_t presetGroup, int32_t selected) {
    group_ = presetGroup;
    category_ = selected;
    clearEntries();
    const int32_t count = HRXPresetLibrary::categoryCount(presetGroup);
    for (int32_t i = 0; i < count; ++i) {
        const char* name = HRXPresetLibrary::categoryName(presetGroup, i);
        addEntry(i, name ? name : "");
    }
    layout();
    setCurrentEntry(selected);
}

void HRXPresetColumns::show(int32_t presetGroup, int32_t presetCategory, int32_t selected) {
    group_ = presetGroup;
    category_ = presetCategory;
    clearEntries();
    const int32_t count = HRXPresetLibrary::itemCount(presetGroup, presetCategory);
    for (int32_t i = 0; i < count; ++i) {
        const HRXPresetItem* item = HRXPresetLibrary::item(presetGroup, presetCategory, i);
        char number[16];
        std::snprintf(number, sizeof number, i < 10 ? "0%d. " : "%d. ", static_cast<int>(i));
        addEntry(i, std::string(number) + (item ? item->name : ""));
    }
    layout();
    setCurrentEntry(selected);
}
