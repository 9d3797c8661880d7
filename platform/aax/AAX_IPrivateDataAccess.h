#pragma once

#include "AAX.h"

// Direct access to an instance's private render-state fields, handed to
// AAX_IEffectDirectData::TimerWakeup (implemented by the host; main thread).
// A field that is no private field answers
// AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS; offset + size beyond
// the field's declared size AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS (nothing is
// copied then). A write reaches the field between two render calls, before
// the next one; a read gets the field as it stood after a render call (the
// last one, when the render thread runs beside the main thread), so a write
// shows in reads once the next render call has run.
class AAX_IPrivateDataAccess {
public:
    virtual AAX_Result ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, void* buffer) = 0;
    virtual AAX_Result WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, const void* buffer) = 0;

protected:
    ~AAX_IPrivateDataAccess() = default;
};
