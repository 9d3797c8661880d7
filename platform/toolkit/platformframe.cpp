#include "vstgui/platformframe.h"

#include "vstgui/offscreenframe.h"

namespace VSTGUI {

namespace {

IPlatformFrame* createOffscreenFrame(IPlatformFrameCallback* frame, const CRect& size, void* /*parent*/) {
    return new OffscreenPlatformFrame(frame, size);
}

PlatformFrameFactory gFactories[2] = {createOffscreenFrame, nullptr};

size_t slotOf(PlatformType type) {
    return static_cast<size_t>(type);
}

}  // namespace

void setPlatformFrameFactory(PlatformType type, PlatformFrameFactory factory) {
    if (slotOf(type) < sizeof(gFactories) / sizeof(gFactories[0]))
        gFactories[slotOf(type)] = factory;
}

PlatformFrameFactory getPlatformFrameFactory(PlatformType type) {
    return slotOf(type) < sizeof(gFactories) / sizeof(gFactories[0]) ? gFactories[slotOf(type)] : nullptr;
}

}  // namespace VSTGUI
