#pragma once

#include "velvaTonEngineState.h"

#include <cstring>
#include <vector>

// Every field of an engine state as a double (the integers convert exactly),
// so that two states compare bit for bit without their padding bytes.
inline std::vector<double> stateFields(const velvaTonEngineState& s) {
    std::vector<double> fields = {s.sampleRate,
                                  double(s.processMode),
                                  double(s.ratioIndex),
                                  double(s.attackRatioIndex),
                                  s.timeConstant,
                                  s.driveTarget,
                                  s.outputGainTarget,
                                  double(s.valveIndex),
                                  s.valveInScale,
                                  s.valveOutScale,
                                  s.drive,
                                  s.inverseDrive,
                                  s.outputGain,
                                  s.envelope,
                                  s.meterGain,
                                  double(s.noiseState.s1),
                                  double(s.noiseState.s2),
                                  double(s.noiseState.s3)};
    for (const HRXBiquad* b : {&s.meterSmoother, &s.fastEnvelope, &s.slowEnvelope, &s.programEnvelope,
                               &s.detectorHighPassL, &s.detectorHighPassR})
        fields.insert(fields.end(), {b->sampleRate, double(b->type), b->frequency, b->q, b->gain, b->a0, b->a1, b->a2,
                                     b->b0, b->b1, b->b2, b->x0, b->x1, b->x2, b->y0, b->y1, b->y2});
    return fields;
}

inline bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}
