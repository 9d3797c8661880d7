#pragma once

#include <cmath>
#include <cstdint>

// One second-order filter section: settings, designed coefficients and the
// direct-form-I history. A plain record; the owner initialises it with
// initBiquad and changes a setting by storing the field and calling
// designBiquad again. Redesigning never touches the history.
struct HRXBiquad {
    double sampleRate;
    uint32_t type;     // 1..10, see HRXBiquadType; anything else leaves all coefficients at 1.0
    double frequency;  // Hz; the designer stores back the limited value
    double q;
    double gain;        // dB, shelf and peaking types
    double a0;          // 1 + alpha, or the one-pole coefficient of types 2 and 9
    double a1, a2;      // feedback, divided by a0
    double b0, b1, b2;  // feed-forward, divided by a0
    double x0, x1, x2;  // last input; inputs one and two steps back
    double y0, y1, y2;  // the same for the outputs
};

enum HRXBiquadType : uint32_t {
    kBiquadHighPass = 1,
    kBiquadOnePole = 2,
    kBiquadLowShelf = 3,
    kBiquadPeaking = 4,
    kBiquadBandPass = 5,
    kBiquadNotch = 6,
    kBiquadHighShelf = 7,
    kBiquadLowPass = 8,
    kBiquadOnePoleMean = 9,
    kBiquadAllPass = 10,
};

constexpr double kTwoPi = 6.283185307179586;

// Stores the settings, clears the history, then designs.
void initBiquad(HRXBiquad& section, double rate, uint32_t type, double frequency, double q, double gain);

// Stores the rate, limits the frequency to 0.499 x the working rate, designs.
void setBiquadRate(HRXBiquad& section, double rate);

// Computes the coefficients from the stored settings.
void designBiquad(HRXBiquad& section);

// Zeroes x0..y2.
void clearBiquadHistory(HRXBiquad& section);

// The rate a section designs for: 44100 when `rate` lies outside 20000..200000.
inline double workingSampleRate(double rate) {
    return (rate < 20000.0 || rate > 200000.0) ? 44100.0 : rate;
}

// One direct-form-I step. The add-subtract pair keeps decaying outputs out of
// subnormal numbers; -ffp-contract=off and no fast-math keep it intact.
inline double tickBiquad(HRXBiquad& s, double x) {
    double y = s.b0 * x + s.b1 * s.x1 + s.b2 * s.x2 - s.a1 * s.y1 - s.a2 * s.y2;
    y = (y + 1e-25) - 1e-25;
    s.x2 = s.x1;
    s.x1 = x;
    s.x0 = x;
    s.y2 = s.y1;
    s.y1 = y;
    s.y0 = y;
    return y;
}

// Four steps with the input held at x, each with its own flush.
inline double tickBiquadHeld4(HRXBiquad& s, double x) {
    tickBiquad(s, x);
    tickBiquad(s, x);
    tickBiquad(s, x);
    return tickBiquad(s, x);
}

// Per-sample low-pass retune from the section's own rate and q, without the
// near-Nyquist correction of the designer: one cosine and one sine.
inline void retuneLowPass(HRXBiquad& s, double cutoff) {
    s.frequency = cutoff;
    const double ceiling = 0.499 * s.sampleRate;
    const double f = cutoff < 0.001 ? 0.001 : (cutoff < ceiling ? cutoff : ceiling);
    const double w = kTwoPi * f / s.sampleRate;
    const double c = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * s.q);
    s.a0 = 1.0 + alpha;
    const double g = 1.0 / s.a0;
    s.a1 = -2.0 * c * g;
    s.a2 = (1.0 - alpha) * g;
    s.b0 = (1.0 - c) * 0.5 * g;
    s.b2 = s.b0;
    s.b1 = (1.0 - c) * g;
}
