#include "DemoProgramme.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kRate = DemoProgramme::kSampleRate;
constexpr int kBeats = 16;  // four bars at 120 BPM: 8 s
constexpr int kBeatFrames = kRate / 2;
constexpr int kFrames = kBeats * kBeatFrames;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kPeak = 0.7079457843841379;  // -3 dBFS

// A fixed xorshift generator, so the programme never depends on the library.
struct Noise {
    uint32_t state = 0x9e3779b9u;
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
};

void addKick(DemoProgramme& audio, int start) {
    double phase = 0.0;
    for (int i = 0; i < kRate / 2 && start + i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = 48.0 + 110.0 * std::exp(-t / 0.03);
        phase += kTwoPi * frequency / kRate;
        const double sample = 0.9 * std::exp(-t / 0.15) * std::sin(phase);
        audio.left[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(sample);
        audio.right[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(sample);
    }
}

void addSnare(DemoProgramme& audio, int start, Noise& noise) {
    for (int i = 0; i < kRate / 4 && start + i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double body = 0.25 * std::exp(-t / 0.05) * std::sin(kTwoPi * 185.0 * t);
        const double rattle = 0.35 * std::exp(-t / 0.07) * noise.next();
        audio.left[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(0.9 * (body + rattle));
        audio.right[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(1.1 * (body + rattle));
    }
}

void addHat(DemoProgramme& audio, int start, double pan, Noise& noise) {
    double previous = 0.0;
    for (int i = 0; i < kRate / 10 && start + i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double white = noise.next();
        const double bright = white - previous;  // first difference: a crude high-pass
        previous = white;
        const double sample = 0.08 * std::exp(-t / 0.02) * bright;
        audio.left[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>((1.0 - pan) * sample);
        audio.right[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>((1.0 + pan) * sample);
    }
}

void addBassNote(DemoProgramme& audio, int start, int length, double frequency) {
    for (int i = 0; i < length && start + i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::fmin(1.0, t / 0.01);
        const double level = 0.3 * attack * std::exp(-t / 0.6);
        const double w = kTwoPi * frequency * t;
        // Three harmonics of a sawtooth: round and audible on small speakers.
        const double sample = level * (std::sin(w) + 0.5 * std::sin(2.0 * w) + 0.25 * std::sin(3.0 * w));
        audio.left[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(sample);
        audio.right[static_cast<size_t>(start) + static_cast<size_t>(i)] += static_cast<float>(sample);
    }
}

void normalise(DemoProgramme& audio) {
    float peak = 0.0f;
    for (const std::vector<float>* channel : {&audio.left, &audio.right})
        for (float sample : *channel)
            peak = std::fmax(peak, std::fabs(sample));
    const float scale = static_cast<float>(kPeak / peak);
    for (std::vector<float>* channel : {&audio.left, &audio.right})
        for (float& sample : *channel)
            sample *= scale;
}

}  // namespace

DemoProgramme synthesiseDemoProgramme() {
    DemoProgramme audio;
    audio.left.assign(static_cast<size_t>(kFrames), 0.0f);
    audio.right.assign(static_cast<size_t>(kFrames), 0.0f);
    Noise noise;
    // A, A, C, G per bar, an octave down on the last beat of every other bar.
    const double bassLine[8] = {55.0, 55.0, 65.41, 49.0, 55.0, 55.0, 65.41, 41.2};
    for (int beat = 0; beat < kBeats; ++beat) {
        const int start = beat * kBeatFrames;
        addKick(audio, start);
        if (beat % 2 == 1)
            addSnare(audio, start, noise);
        addHat(audio, start, -0.3, noise);
        addHat(audio, start + kBeatFrames / 2, 0.3, noise);
        addBassNote(audio, start + kBeatFrames / 8, kBeatFrames, bassLine[beat % 8]);
    }
    normalise(audio);
    return audio;
}
