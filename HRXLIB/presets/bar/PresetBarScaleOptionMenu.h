#pragma once

#include "HRXCustomizableOptionMenu.h"

// The zoom menu: "70%" to "250%", "Increase 5%", "Decrease 5%" and "Close",
// with the percentages as item tags, 11 and 12 for the steps, 0 for Close.
class PresetBarScaleOptionMenu : public HRXCustomizableOptionMenu {
public:
    static constexpr int32_t kIncreaseTag = 11;
    static constexpr int32_t kDecreaseTag = 12;
    static constexpr int32_t kCloseTag = 0;

    PresetBarScaleOptionMenu(const HRXPoint& topLeft, int32_t tag);

    // The zoom an item sets from the current zoom (not yet limited); false
    // for "Close", which only closes the menu.
    static bool zoomForItem(int32_t itemTag, double currentZoom, double& zoom);
};

// Closes the zoom menu on a click beside it.
class PresetBarScaleOptionMenuHandler : public HRXCustomizableOptionMenuPackageHandler {
public:
    using HRXCustomizableOptionMenuPackageHandler::HRXCustomizableOptionMenuPackageHandler;
};
