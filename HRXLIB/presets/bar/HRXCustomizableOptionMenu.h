#pragma once

#include <string>
#include <vector>

#include "HRXCustomControl.h"
#include "HRXKickButton.h"

// A pop-up list drawn by the plug-in itself: items 20 units high in a list
// 200 wide, text 4 units in. A click on an item reports it (getChosenTag).
class HRXCustomizableOptionMenu : public HRXCustomControl {
public:
    static constexpr double kItemHeight = 20.0;
    static constexpr double kWidth = 200.0;
    static constexpr double kTextInset = 4.0;

    HRXCustomizableOptionMenu(const HRXPoint& topLeft, int32_t tag);

    void addItem(const char* title, int32_t itemTag);
    int32_t getItemCount() const { return static_cast<int32_t>(items_.size()); }
    const std::string& getItemTitle(int32_t index) const { return items_[static_cast<size_t>(index)].title; }
    HRXRect itemRect(int32_t index) const;
    // The item drawn as the current one (its tag); -1 none.
    void setCheckedTag(int32_t itemTag);
    // The tag of the item the last click chose.
    int32_t getChosenTag() const { return chosenTag_; }

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;

private:
    struct Item {
        std::string title;
        int32_t tag;
    };
    int32_t itemAt(const HRXPoint& point) const;

    std::vector<Item> items_;
    int32_t hoveredItem_ = -1;
    int32_t checkedTag_ = -1;
    int32_t chosenTag_ = -1;
};

// Lies under an open pop-up list over the whole window: a click beside the
// list closes it (reported as a press). Clicks and the wheel over the area
// that opened the list pass through to it.
class HRXCustomizableOptionMenuPackageHandler : public HRXKickButton {
public:
    HRXCustomizableOptionMenuPackageHandler(const HRXRect& rect, int32_t tag, const HRXRect& passThrough);

    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint& point, float distance, uint32_t buttons) override;

private:
    HRXRect passThrough_;
};
