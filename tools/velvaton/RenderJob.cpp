#include "RenderJob.h"

#include "AtomicOutputFile.h"
#include "RenderBackend.h"
#include "RenderLoop.h"

ParameterValues ParameterValues::defaults() {
    ParameterValues values {};
    for (int32_t index = 0; index < kParameterSlots; ++index)
        values.value[index] = getParameterDefault(index);
    return values;
}

bool renderToFile(AudioData& audio, RenderBackend& backend, const ParameterValues& values,
                  uint32_t blockFrames, const std::string& outputPath, RenderSummary& summary,
                  std::string& error) {
    AtomicOutputFile output(outputPath);
    if (!output.open(error))
        return false;
    if (!backend.prepare(audio.sampleRate, static_cast<int>(audio.channels.size()), values.value, error))
        return false;
    summary = renderBlocks(audio, backend, blockFrames);
    if (!writeFloatWav(output, audio, error))
        return false;
    return output.commit(error);
}
