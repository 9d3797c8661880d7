#include "HRX_LV2_Ports.h"

#include <cmath>
#include <initializer_list>

float HRX_LV2_Normalised(const HRX_LV2_Control& control, float portValue) {
    if (std::isnan(portValue))
        return portValue;
    double x = std::fmin(std::fmax(static_cast<double>(portValue), static_cast<double>(control.minimum)),
                         static_cast<double>(control.maximum));
    if (control.kind == HRX_LV2_Control::Kind::Enumeration)
        x = std::floor(x + 0.5);
    const double span = static_cast<double>(control.maximum) - static_cast<double>(control.minimum);
    return static_cast<float>((x - static_cast<double>(control.minimum)) / span);
}

float HRX_LV2_PortValue(const HRX_LV2_Control& control, double normalised) {
    const double v = std::isnan(normalised) ? 0.0 : std::fmin(std::fmax(normalised, 0.0), 1.0);
    const double span = static_cast<double>(control.maximum) - static_cast<double>(control.minimum);
    if (control.kind == HRX_LV2_Control::Kind::Enumeration)
        return control.minimum + static_cast<float>(std::trunc(span * v + 0.5));
    // The float nearest the exact port value maps back to the float of v or
    // misses it by an ulp; of it and its neighbours take the one that maps
    // back closest (exactly, wherever the port's resolution allows).
    const float target = static_cast<float>(v);
    const float nearest = static_cast<float>(static_cast<double>(control.minimum) + static_cast<double>(target) * span);
    float best = nearest;
    float bestMiss = std::fabs(HRX_LV2_Normalised(control, nearest) - target);
    float down = nearest;
    float up = nearest;
    for (int step = 0; step < 2 && bestMiss != 0.0f; ++step) {
        down = std::nextafter(down, control.minimum);
        up = std::nextafter(up, control.maximum);
        for (const float candidate : {down, up}) {
            const float miss = std::fabs(HRX_LV2_Normalised(control, candidate) - target);
            if (miss < bestMiss) {
                best = candidate;
                bestMiss = miss;
            }
        }
    }
    return best;
}

int32_t HRX_LV2_ControlOfSlot(const HRX_LV2_Product& product, int32_t slot) {
    for (int32_t i = 0; i < product.controlCount; ++i) {
        if (product.controls[i].slot == slot)
            return i;
    }
    return -1;
}
