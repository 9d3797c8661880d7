#pragma once

#include <cstdint>

// The editor as the controller sees it: values and messages pushed to the
// editor content's parameterChanged.
class HRXMasterEditorLink {
public:
    virtual ~HRXMasterEditorLink() = default;
    virtual void notifyEditor(int32_t index, double value) = 0;
};
