#pragma once

#include <string>
#include <vector>

#include "HRXCustomControl.h"

// A list of up to 512 entries in columns of at least 200 (the control's
// width when narrower) and rows 20 high, text 4 units in. Entries run down the columns; when
// they do not all fit, a scroll bar 16 wide on the right scrolls the rows.
// The pointer highlights the row under it; Shift and the wheel move the
// highlight (and scroll it into view), the wheel alone scrolls. A click
// reports the entry it landed on, or none (getClickedEntry).
class HRXPresetCustomMenu : public HRXCustomControl {
public:
    static constexpr int32_t kMaxEntries = 512;
    static constexpr double kColumnWidth = 200.0;
    static constexpr double kRowHeight = 20.0;
    static constexpr double kTextInset = 4.0;
    static constexpr double kScrollBarWidth = 16.0;

    HRXPresetCustomMenu(const HRXRect& rect, int32_t tag);

    void setViewSize(const HRXRect& rect) override;
    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint& point, float distance, uint32_t buttons) override;

    int32_t getEntryCount() const { return static_cast<int32_t>(entries.size()); }
    const std::string& getEntryText(int32_t index) const { return entries[static_cast<size_t>(index)].text; }
    int32_t getEntryItem(int32_t index) const { return entries[static_cast<size_t>(index)].item; }
    // The entry shown as chosen (-1 none); scrolled into view.
    void setCurrentEntry(int32_t index);
    int32_t getCurrentEntry() const { return current; }
    int32_t getHighlightedEntry() const { return highlighted; }
    int32_t getClickedEntry() const { return clicked; }

    int32_t getColumns() const { return columns; }
    int32_t getVisibleRows() const { return rows; }
    int32_t getFirstRow() const { return firstRow; }
    bool hasScrollBar() const { return rowsPerColumn > rows; }
    // Where an entry is drawn; empty while it is scrolled out of view.
    HRXRect entryRect(int32_t index) const;

    int32_t getGroup() const { return group; }
    int32_t getCategory() const { return category; }

protected:
    void clearEntries();
    // False (nothing added) beyond 512 entries.
    bool addEntry(int32_t item, const std::string& text);
    // Lays the entries out again after they or the size changed.
    void layout();

    int32_t group = 0;
    int32_t category = 0;

private:
    struct Entry {
        int32_t item;
        std::string text;
    };
    int32_t entryAt(const HRXPoint& point) const;
    HRXRect scrollBarRect() const;
    HRXRect thumbRect() const;
    void scrollTo(int32_t row);
    void scrollIntoView(int32_t index);

    std::vector<Entry> entries;
    int32_t current = -1;
    int32_t highlighted = -1;
    int32_t clicked = -1;
    double columnWidth = kColumnWidth;
    int32_t columns = 1;
    int32_t rows = 1;
    int32_t rowsPerColumn = 1;
    int32_t firstRow = 0;
    HRXPoint lastPointer{-1.0, -1.0};
    bool draggingThumb = false;
    double dragStartY = 0.0;
    int32_t dragStartRow = 0;
};

// The categories of a preset group ("All" first).
class HRXCategoryColumn : public HRXPresetCustomMenu {
public:
    using HRXPresetCustomMenu::HRXPresetCustomMenu;
    // Lists the group's categories with `selected` as the current one.
    void show(int32_t presetGroup, int32_t selected);
};

// The presets of a category, numbered from "00. ".
class HRXPresetColumns : public HRXPresetCustomMenu {
public:
    using HRXPresetCustomMenu::HRXPresetCustomMenu;
    void show(int32_t presetGroup, int32_t presetCategory, int32_t selected);
};
