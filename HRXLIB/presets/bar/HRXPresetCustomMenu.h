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

    int32_t getEntryCount() const { return static_cast<int32_t>(entries_.size()); }
    const std::string& getEntryText(int32_t index) const { return entries_[static_cast<size_t>(index)].text; }
    int32_t getEntryItem(int32_t index) const { return entries_[static_cast<size_t>(index)].item; }
    // The entry shown as chosen (-1 none); scrolled into view.
    void setCurrentEntry(int32_t index);
    int32_t getCurrentEntry() const { return current_; }
    int32_t getHighlightedEntry() const { return highlighted_; }
    int32_t getClickedEntry() const { return clicked_; }

    int32_t getColumns() const { return columns_; }
    int32_t getVisibleRows() const { return rows_; }
    int32_t getFirstRow() const { return firstRow_; }
    bool hasScrollBar() const { return rowsPerColumn_ > rows_; }
    // Where an entry is drawn; empty while it is scrolled out of view.
    HRXRect entryRect(int32_t index) const;

    int32_t getGroup() const { return group_; }
    int32_t getCategory() const { return category_; }

protected:
    void clearEntries();
    // False (nothing added) beyond 512 entries.
    bool addEntry(int32_t item, const std::string& text);
    // Lays the entries out again after they or the size changed.
    void layout();

    int32_t group_ = 0;
    int32_t category_ = 0;

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

    std::vector<Entry> entries_;
    int32_t current_ = -1;
    int32_t highlighted_ = -1;
    int32_t clicked_ = -1;
    double columnWidth_ = kColumnWidth;
    int32_t columns_ = 1;
    int32_t rows_ = 1;
    int32_t rowsPerColumn_ = 1;
    int32_t firstRow_ = 0;
    HRXPoint lastPointer_{-1.0, -1.0};
    bool draggingThumb_ = false;
    double dragStartY_ = 0.0;
    int32_t dragStartRow_ = 0;
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
