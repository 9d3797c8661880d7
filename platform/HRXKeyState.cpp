#include "HRXKeyState.h"

namespace {

HRXKeyStateSource* replacement = nullptr;
HRXKeyStateSource* platformSource = nullptr;

}  // namespace

bool isKeyDown(HRXKey key) {
    if (replacement != nullptr)
        return replacement->isKeyDown(key);
    return platformSource != nullptr && platformSource->isKeyDown(key);
}

void setKeyStateSource(HRXKeyStateSource* source) {
    replacement = source;
}

void setPlatformKeyStateSource(HRXKeyStateSource* source) {
    platformSource = source;
}

HRXKeyStateSource* getPlatformKeyStateSource() {
    return platformSource;
}
