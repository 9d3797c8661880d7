#include "CACFUnknown.h"

#include <atomic>

namespace {
std::atomic<int32_t> gActiveObjects{0};
}

int32_t CACFUnknown::GetActiveObjectCount() {
    return gActiveObjects.load();
}

CACFUnknown::CACFUnknown() {
    gActiveObjects.fetch_add(1);
}

CACFUnknown::CACFUnknown(const CACFUnknown&) {
    gActiveObjects.fetch_add(1);
}

CACFUnknown::~CACFUnknown() {
    gActiveObjects.fetch_sub(1);
}
