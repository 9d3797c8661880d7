#include "PresetBarScaleOptionMenu.h"

namespace {

constexpr struct {
    const char* title;
    int32_t tag;
} kItems[] = {
    {"70%", 70},
    {"85%", 85},
    {"100%", 100},
    {"125%", 125},
    {"150%", 150},
    {"175%", 175},
    {"200%", 200},
    {"250%", 250},
    {"Increase 5%", PresetBarScaleOptionMenu::kIncreaseTag},
    {"Decrease 5%", PresetBarScaleOptionMenu::kDecreaseTag},
    {"Close", PresetBarScaleOptionMenu::kCloseTag},
};

}  // namespace

PresetBarScaleOptionMenu::PresetBarScaleOptionMenu(const HRXPoint& topLeft, int32_t tag)
    : HRXCustomizableOptionMenu(topLeft, tag) {
    for (const auto& item : kItems)
        addItem(item.title, item.tag);
}

bool PresetBarScaleOptionMenu::zoomForItem(int32_t itemTag, double currentZoom, double& zoom) {
    switch (itemTag) {
    case kCloseTag: return false;
    case kIncreaseTag: zoom = currentZoom + 0.05; return true;
    case kDecreaseTag: zoom = currentZoom - 0.05; return true;
    default: zoom = itemTag * 0.01; return true;
    }
}
