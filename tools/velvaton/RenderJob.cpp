#include "RenderJob.h"

#include "AtomicOutputFile.h"
#include "AudioReader.h"
#include "AudioWriter.h"
#include "ParameterNotation.h"
#include "RenderBackend.h"
#include "RenderHistory.h"
#include "RenderLoop.h"
#include "RenderPlot.h"

#include <memory>

ParameterValues ParameterValues::defaults() {
    ParameterValues values{};
    for (int32_t index = 0; index < kParameterSlots; ++index)
        values.value[index] = getParameterDefault(index);
    return values;
}

std::string settingsText(const ParameterValues& values) {
    std::string text;
    char name[kParameterNameSize + 1];
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (!(getParameterFlags(index) & kFlagHostParameter))
            continue;
        getParameterName(index, name);
        text += (text.empty() ? "" : "  ") + std::string(name) + "=" + formatParameterValue(index, values.value[index]);
    }
    return text;
}

bool renderFile(AudioReader& input, RenderBackend& backend, const ParameterValues& values, uint32_t blockFrames,
                const RenderTargets& targets, RenderSummary& summary, std::string& error) {
    AtomicOutputFile audioFile(targets.audioPath);
    AudioWriter writer(audioFile, targets.format);
    if (!audioFile.open(error) || !writer.open(input.sampleRate(), input.channels(), error))
        return false;
    std::unique_ptr<AtomicOutputFile> plotFile;
    if (!targets.plotPath.empty()) {
        plotFile = std::make_unique<AtomicOutputFile>(targets.plotPath);
        if (!plotFile->open(error))
            return false;
    }
    if (!backend.prepare(input.sampleRate(), input.channels(), values.value, error))
        return false;

    RenderHistory history;
    if (!renderBlocks(input, backend, blockFrames, writer, summary, history, error) || !writer.finish(error))
        return false;
    if (plotFile &&
        !writeRenderPlot(history, input.sampleRate(), targets.plotTitle, targets.plotSettings, *plotFile, error))
        return false;
    if (!audioFile.commit(error) || (plotFile && !plotFile->commit(error)))
        return false;
    summary.output = targets.format.describe();
    summary.clippedSamples = targets.format.floating ? -1 : writer.clippedSamples();
    return true;
}
