#include "IdleUpdate_HRX_Handler.h"

#include "HRXMasterGraphicalEngine.h"
#include "HRXTimer.h"

#include <algorithm>

namespace Brackenworks {

IdleUpdate_HRX_Handler& IdleUpdate_HRX_Handler::instance() {
    static IdleUpdate_HRX_Handler handler;
    return handler;
}

std::vector<HRXMasterGraphicalEngine*>& IdleUpdate_HRX_Handler::openEditors() {
    static std::vector<HRXMasterGraphicalEngine*> editors;
    return editors;
}

IdleUpdate_HRX_Handler::IdleUpdate_HRX_Handler() : timerId_(HRXSetTimer(kPeriodMilliseconds, &onTimer, this)) {}

IdleUpdate_HRX_Handler::~IdleUpdate_HRX_Handler() {
    if (timerId_ != 0)
        HRXKillTimer(timerId_);
}

void IdleUpdate_HRX_Handler::onTimer(void*) {
    // An editor's idle work may close a window, which removes it from the
    // list: walk a copy.
    const std::vector<HRXMasterGraphicalEngine*> editors = openEditors();
    for (HRXMasterGraphicalEngine* editor : editors) {
        const auto& current = openEditors();
        if (std::find(current.begin(), current.end(), editor) != current.end())
            editor->idle();
    }
}

}  // namespace Brackenworks
