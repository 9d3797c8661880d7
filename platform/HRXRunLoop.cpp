#include "HRXRunLoop.h"

#include "HRXTimer.h"

#include <vector>

namespace {

struct Source {
    uint32_t id;
    HRXRunLoop::Handler handler;
    void* context;
};

std::vector<Source>& sources() {
    static std::vector<Source> list;
    return list;
}

uint32_t lastSourceId = 0;
bool pumping = false;

}  // namespace

uint32_t HRXRunLoop::addSource(Handler handler, void* context) {
    if (handler == nullptr)
        return 0;
    if (++lastSourceId == 0)
        ++lastSourceId;
    sources().push_back({lastSourceId, handler, context});
    return lastSourceId;
}

bool HRXRunLoop::removeSource(uint32_t id) {
    auto& list = sources();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->id == id) {
            list.erase(it);
            return true;
        }
    }
    return false;
}

void HRXRunLoop::pump() {
    if (pumping)
        return;
    pumping = true;
    // Ids rather than entries: handlers may change the list while it is walked.
    std::vector<uint32_t> ids;
    ids.reserve(sources().size());
    for (const Source& source : sources())
        ids.push_back(source.id);
    for (uint32_t id : ids) {
        for (const Source& source : sources()) {
            if (source.id == id) {
                const Source copy = source;
                copy.handler(copy.context);
                break;
            }
        }
    }
    HRXFireDueTimers();
    pumping = false;
}
