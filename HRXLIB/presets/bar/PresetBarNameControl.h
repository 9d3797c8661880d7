#pragma once

#include <string>

#include "PresetBarBasicControl.h"

// The name field: the selected preset's number, its name and the modified
// mark, on a dark field with a drop-down arrow. A left click reports (the
// preset menu opens or closes); a right click asks the bar to rename the
// preset in place. Its value is 1.0 while the preset menu is open.
class PresetBarNameControl : public PresetBarBasicControl {
public:
    PresetBarNameControl(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;

    void setDisplay(const std::string& prefix, const std::string& name, bool modified);
    // "00: Default *": what the field shows.
    std::string getDisplayText() const;
    // Whether a right click asked for a rename; asking clears it.
    bool takeRenameRequest();

private:
    std::string prefix_;
    std::string name_ = "Default";
    bool modified_ = false;
    bool renameRequested_ = false;
};
