#pragma once

#include <cstdint>
#include <string>

class AudioReader;
class AudioWriter;
class RenderBackend;
class RenderHistory;
struct RenderSummary;

// Streams the input through a prepared backend in blocks of `blockFrames`
// (counted from the start of the file) and on into the writer, gathering the
// summary and the history on the way. Memory does not grow with the length.
bool renderBlocks(AudioReader& input, RenderBackend& backend, uint32_t blockFrames, AudioWriter& output,
                  RenderSummary& summary, RenderHistory& history, std::string& error);
