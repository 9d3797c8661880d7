#pragma once

#include "AAX.h"

// Direct access to an instance's private render-state fields, handed to
// AAX_IEffectDirectData::TimerWakeup (implemented by the host; main thread).
// A field that is no private field answers
// AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS; offset + size beyond
// the field's declared size AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS (nothing is
// copied then). The bytes are those of the field at that moment.
class AAX_IPrivateDataAccess {
public:
    virtual AAX_Result ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                      void* buffer) = 0;
    virtual AAX_Result WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                       const void* buffer) = 0;

protected:
    ~AAX_IPrivateDataAccess() = default;
};
