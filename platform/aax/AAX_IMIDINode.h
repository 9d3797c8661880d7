#pragma once

#include "AAX.h"

class AAX_ITransport;

// A MIDI node field of the render state (implemented by the host). The
// transport node answers the host transport; other nodes answer null there.
class AAX_IMIDINode {
public:
    virtual AAX_CMidiStream* GetNodeBuffer() = 0;
    virtual AAX_ITransport* GetTransport() = 0;

protected:
    ~AAX_IMIDINode() = default;
};
