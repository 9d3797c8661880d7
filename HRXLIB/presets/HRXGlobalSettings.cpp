#include "HRXGlobalSettings.h"

#include "HRXSettingsStore.h"
#include "HRXProduct.h"

#include <cstdio>
#include <cstring>
#include <vector>

bool HRXGlobalSettings::loaded = false;
int32_t HRXGlobalSettings::hints = 1;
int32_t HRXGlobalSettings::zoom = 100;

namespace {

void settingValueName(int32_t number, char (&name)[32]) {
    std::snprintf(name, sizeof name, product().globalSettingNamePattern, static_cast<int>(number));
}

}  // namespace

void HRXGlobalSettings::write(int32_t number, double value) {
    char name[32];
    settingValueName(number, name);
    const float stored = static_cast<float>(value);
    getSettingsStore().writeBinary(product().globalSettingsKey, name, &stored, sizeof stored);
}

void HRXGlobalSettings::read(int32_t number, double* value) {
    if (!value)
        return;
    char name[32];
    settingValueName(number, name);
    std::vector<uint8_t> data;
    if (!getSettingsStore().readBinary(product().globalSettingsKey, name, data) || data.size() != sizeof(float))
        return;
    float stored;
    std::memcpy(&stored, data.data(), sizeof stored);
    if (stored >= 0.0f && stored <= 1.0f)  // false for NaN too
        *value = stored;
}

double HRXGlobalSettings::limitZoomFactor(double factor) {
    if (!(factor > 0.01))
        factor = 1.0;
    if (factor < 0.7)
        factor = 0.7;
    if (factor > 4.0)
        factor = 4.0;
    return factor;
}

int32_t HRXGlobalSettings::zoomPercentOf(double factor) {
    return static_cast<int32_t>(factor * 100.0 + 0.5);
}

void HRXGlobalSettings::load() {
    double hintsValue = 1.0;
    read(kHints, &hintsValue);
    hints = static_cast<int32_t>(hintsValue);
    double zoomValue = 0.1;
    read(kZoom, &zoomValue);
    zoom = zoomPercentOf(limitZoomFactor(zoomValue * 10.0));
    loaded = true;
}

void HRXGlobalSettings::store() {
    write(kHints, hints);
    write(kZoom, limitZoomFactor(zoom * 0.01) * 0.1);
}
