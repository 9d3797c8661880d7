#pragma once

#include "AudioFile.h"
#include "RenderSummary.h"

#include <cstdint>

class RenderBackend;

// Runs `audio` through a prepared backend in blocks of `blockFrames`, in
// place, and answers the levels and gain reduction seen on the way.
RenderSummary renderBlocks(AudioData& audio, RenderBackend& backend, uint32_t blockFrames);
