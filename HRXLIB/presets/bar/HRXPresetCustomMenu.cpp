#include "HRXPresetCustomMenu.h"

#include <algorithm>
#include <cstdio>

#include "HRXLibraryResources.h"
#include "HRXPresetLibrary.h"
#include "PresetBarStyle.h"

using namespace PresetBarStyle;

HRXPresetCustomMenu::HRXPresetCustomMenu(const HRXRect& rect, int32_t tag) : HRXCustomControl(rect, tag, nullptr)
{
    value = 0.0;
    layout();
}

void HRXPresetCustomMenu::setViewSize(const HRXRect& rect)
{
    HRXCustomControl::setViewSize(rect);
    layout();
}

void HRXPresetCustomMenu::clearEntries()
{
    entries.clear();
    current = highlighted = clicked = -1;
    firstRow = 0;
}

bool HRXPresetCustomMenu::addEntry(int32_t item, const std::string& text)
{
    if (getEntryCount() >= kMaxEntries)
        return false;
    entries.push_back({item, text});
    return true;
}

void HRXPresetCustomMenu::layout()
{
    const double width = std::max(0.0, viewRect.width());
    rows = std::max(1, static_cast<int32_t>(viewRect.height() / kRowHeight));
    // Columns of 200 (or the whole width when narrower); the width left over
    // is shared among them, so the rows reach across the control.
    auto fit = [&](double usable) {
        const double narrowest = std::min(kColumnWidth, usable);
        columns = narrowest > 0.0 ? std::max(1, static_cast<int32_t>(usable / narrowest)) : 1;
        columnWidth = usable / columns;
    };
    fit(width);
    if (getEntryCount() > columns * rows)
        fit(std::max(0.0, width - kScrollBarWidth));
    rowsPerColumn = std::max(rows, (getEntryCount() + columns - 1) / columns);
    scrollTo(firstRow);
    redraw();
}

void HRXPresetCustomMenu::scrollTo(int32_t row)
{
    firstRow = std::max(0, std::min(row, rowsPerColumn - rows));
    redraw();
}

void HRXPresetCustomMenu::scrollIntoView(int32_t index)
{
    if (index < 0 || index >= getEntryCount())
        return;
    const int32_t row = index % rowsPerColumn;
    if (row < firstRow)
        scrollTo(row);
    else if (row >= firstRow + rows)
        scrollTo(row - rows + 1);
}

void HRXPresetCustomMenu::setCurrentEntry(int32_t index)
{
    current = index >= 0 && index < getEntryCount() ? index : -1;
    scrollIntoView(current);
    redraw();
}

HRXRect HRXPresetCustomMenu::entryRect(int32_t index) const
{
    if (index < 0 || index >= getEntryCount())
        return {};
    const int32_t column = index / rowsPerColumn;
    const int32_t row = index % rowsPerColumn - firstRow;
    if (row < 0 || row >= rows || column >= columns)
        return {};
    const double left = viewRect.left + column * columnWidth;
    const double top = viewRect.top + row * kRowHeight;
    return {left, top, left + columnWidth, top + kRowHeight};
}

int32_t HRXPresetCustomMenu::entryAt(const HRXPoint& point) const
{
    if (point.x < viewRect.left || point.y < viewRect.top)
        return -1;
    const auto column = static_cast<int32_t>((point.x - viewRect.left) / columnWidth);
    const auto row = static_cast<int32_t>((point.y - viewRect.top) / kRowHeight);
    if (column >= columns || row >= rows)
        return -1;
    const int32_t index = column * rowsPerColumn + firstRow + row;
    return index < getEntryCount() ? index : -1;
}

HRXRect HRXPresetCustomMenu::scrollBarRect() const
{
    if (!hasScrollBar())
        return {};
    return {viewRect.right - kScrollBarWidth, viewRect.top, viewRect.right, viewRect.bottom};
}

HRXRect HRXPresetCustomMenu::thumbRect() const
{
    const HRXRect bar = scrollBarRect();
    if (!hasScrollBar())
        return {};
    const double length = std::max(16.0, bar.height() * rows / rowsPerColumn);
    const double travel = bar.height() - length;
    const double top = bar.top + travel * firstRow / (rowsPerColumn - rows);
    return {bar.left + 3.0, top + 2.0, bar.right - 3.0, top + length - 2.0};
}

void HRXPresetCustomMenu::draw(HRXDrawContext* context)
{
    context->setFillColour(kListBackground);
    context->fillRect(viewRect);
    context->setFont(getFontArial12());
    for (int32_t i = 0; i < getEntryCount(); ++i) {
        const HRXRect rect = entryRect(i);
        if (rect.width() <= 0.0)
            continue;
        HRXColour text = kText;
        if (i == current) {
            context->setFillColour(kAccent);
            context->fillRect(inset(rect, 1.0, 1.0));
            text = kOnAccent;
        } else if (i == highlighted) {
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
        context->setFillColour(draggingThumb ? kAccent : kEdgeHovered);
        context->fillRect(thumbRect());
    }
    drawFrame(context, viewRect, kEdge);
}

int32_t HRXPresetCustomMenu::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseHandledNoMoves;
    if (hasScrollBar() && scrollBarRect().contains(point)) {
        const HRXRect thumb = thumbRect();
        if (point.y < thumb.top) {
            scrollTo(firstRow - rows);
        } else if (point.y > thumb.bottom) {
            scrollTo(firstRow + rows);
        } else {
            draggingThumb = true;
            dragStartY = point.y;
            dragStartRow = firstRow;
        }
        return kHRXMouseHandled;
    }
    clicked = entryAt(point);
    valueChanged();
    return kHRXMouseHandledNoMoves;
}

int32_t HRXPresetCustomMenu::onMouseMoved(const HRXPoint& point, uint32_t)
{
    if (draggingThumb) {
        const HRXRect bar = scrollBarRect();
        const double length = std::max(16.0, bar.height() * rows / rowsPerColumn);
        const double travel = bar.height() - length;
        if (travel > 0.0)
            scrollTo(dragStartRow + static_cast<int32_t>((point.y - dragStartY) / travel * (rowsPerColumn - rows)));
        return kHRXMouseHandled;
    }
    // The frame repeats the pointer's place after every wheel turn: only a
    // pointer that moved takes the highlight from the wheel.
    if (point.x == lastPointer.x && point.y == lastPointer.y)
        return kHRXMouseHandled;
    lastPointer = point;
    const int32_t under = scrollBarRect().contains(point) ? -1 : entryAt(point);
    if (under != highlighted) {
        highlighted = under;
        redraw();
    }
    return kHRXMouseHandled;
}

int32_t HRXPresetCustomMenu::onMouseUp(const HRXPoint&, uint32_t)
{
    draggingThumb = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXPresetCustomMenu::onMouseExited(const HRXPoint&, uint32_t)
{
    lastPointer = {-1.0, -1.0};
    if (highlighted >= 0) {
        highlighted = -1;
        redraw();
    }
    return kHRXMouseHandled;
}

bool HRXPresetCustomMenu::onWheel(const HRXPoint&, float distance, uint32_t buttons)
{
    const int32_t step = distance > 0.1f ? -1 : (distance < -0.1f ? 1 : 0);
    if (step == 0 || getEntryCount() == 0)
        return true;
    if (buttons & kHRXShift) {
        const int32_t from = highlighted >= 0 ? highlighted : (current >= 0 ? current : (step > 0 ? -1 : 1));
        highlighted = std::max(0, std::min(from + step, getEntryCount() - 1));
        scrollIntoView(highlighted);
    } else {
        scrollTo(firstRow + step);
    }
    redraw();
    return true;
}

void HRXCategoryColumn::show(int32_t presetGroup, int32_t selected)
{
    group = presetGroup;
    category = selected;
    clearEntries();
    const int32_t count = HRXPresetLibrary::categoryCount(presetGroup);
    for (int32_t i = 0; i < count; ++i) {
        const char* name = HRXPresetLibrary::categoryName(presetGroup, i);
        addEntry(i, name ? name : "");
    }
    layout();
    setCurrentEntry(selected);
}

void HRXPresetColumns::show(int32_t presetGroup, int32_t presetCategory, int32_t selected)
{
    group = presetGroup;
    category = presetCategory;
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
