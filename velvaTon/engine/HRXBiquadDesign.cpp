#include "HRXBiquad.h"

#include <cmath>

namespace {

// q' = q (1 - (f / (m fs))^p): narrows the response as f nears Nyquist.
double correctedQ(const HRXBiquad& s, double f, double m, double p) {
    return s.q * (1.0 - std::pow(f / (m * s.sampleRate), p));
}

void storeNormalised(HRXBiquad& s, double a0, double a1, double a2, double b0, double b1, double b2) {
    s.a0 = a0;
    s.a1 = a1 / a0;
    s.a2 = a2 / a0;
    s.b0 = b0 / a0;
    s.b1 = b1 / a0;
    s.b2 = b2 / a0;
}

}  // namespace

void clearBiquadHistory(HRXBiquad& s) {
    s.x0 = s.x1 = s.x2 = 0.0;
    s.y0 = s.y1 = s.y2 = 0.0;
}

void initBiquad(HRXBiquad& s, double rate, uint32_t type, double frequency, double q, double gain) {
    s.sampleRate = rate;
    s.type = type;
    s.frequency = frequency;
    s.q = q;
    s.gain = gain;
    clearBiquadHistory(s);
    s.a1 = s.a2 = s.b0 = s.b1 = s.b2 = 1.0;
    designBiquad(s);
}

void setBiquadRate(HRXBiquad& s, double rate) {
    s.sampleRate = rate;
    const double limit = 0.499 * workingSampleRate(rate);
    if (s.frequency > limit)
        s.frequency = limit;
    designBiquad(s);
}

void designBiquad(HRXBiquad& s) {
    s.a1 = 1.0;
    s.a2 = s.b0 = s.b1 = s.b2 = 1.0;
    const double fs = s.sampleRate;
    if (s.frequency > 0.499 * fs)
        s.frequency = 0.499 * fs;
    const double f = s.frequency;
    if (s.type < kBiquadHighPass || s.type > kBiquadAllPass) {
        s.a0 = 1.0;
        return;
    }
    const double w = kTwoPi * f / fs;
    const double c = std::cos(w);
    const double sn = std::sin(w);
    const double A = std::pow(10.0, s.gain / 40.0);

    switch (s.type) {
    case kBiquadHighPass: {
        const double alpha = sn / (2.0 * correctedQ(s, f, 0.5001, 6.0));
        storeNormalised(s, 1.0 + alpha, -2.0 * c, 1.0 - alpha, (1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0);
        break;
    }
    case kBiquadOnePole: s.a0 = std::pow(0.005, f / fs); break;
    case kBiquadLowShelf: {
        const double qc = correctedQ(s, f, 0.5001, 3.5);
        const double S = std::sqrt(A) * sn / qc;
        storeNormalised(s, (A + 1.0) + (A - 1.0) * c + S, -2.0 * ((A - 1.0) + (A + 1.0) * c),
                        (A + 1.0) + (A - 1.0) * c - S, A * ((A + 1.0) - (A - 1.0) * c + S),
                        2.0 * A * ((A - 1.0) - (A + 1.0) * c), A * ((A + 1.0) - (A - 1.0) * c - S));
        break;
    }
    case kBiquadPeaking: {
        const double alpha = sn / (2.0 * correctedQ(s, f, 0.5001, 2.8));
        storeNormalised(s, 1.0 + alpha / A, -2.0 * c, 1.0 - alpha / A, 1.0 + alpha * A, -2.0 * c, 1.0 - alpha * A);
        break;
    }
    case kBiquadBandPass: {
        const double alpha = sn / (2.0 * correctedQ(s, f, 0.5001, 2.8));
        storeNormalised(s, 1.0 + alpha, -2.0 * c, 1.0 - alpha, alpha, 0.0, -alpha);
        break;
    }
    case kBiquadNotch: {
        const double alpha = sn / (2.0 * correctedQ(s, f, 0.5001, 2.8));
        storeNormalised(s, 1.0 + alpha, -2.0 * c, 1.0 - alpha, 1.0, -2.0 * c, 1.0);
        break;
    }
    case kBiquadHighShelf: {
        const double qc = correctedQ(s, f, 0.5001, 4.0);
        const double S = std::sqrt(A) * sn / qc;
        storeNormalised(s, (A + 1.0) - (A - 1.0) * c + S, 2.0 * ((A - 1.0) - (A + 1.0) * c),
                        (A + 1.0) - (A - 1.0) * c - S, A * ((A + 1.0) + (A - 1.0) * c + S),
                        -2.0 * A * ((A - 1.0) + (A + 1.0) * c), A * ((A + 1.0) + (A - 1.0) * c - S));
        break;
    }
    case kBiquadLowPass: {
        const double alpha = sn / (2.0 * correctedQ(s, f, 0.50001, 8.0));
        storeNormalised(s, 1.0 + alpha, -2.0 * c, 1.0 - alpha, (1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0);
        break;
    }
    case kBiquadOnePoleMean: {
        const double k = std::pow(0.005, f / fs);
        s.a0 = k;
        s.a1 = (k + 1.0) / 2.0;
        break;
    }
    case kBiquadAllPass: {
        const double alpha = sn / (2.0 * s.q);
        storeNormalised(s, 1.0 + alpha, -2.0 * c, 1.0 - alpha, 1.0 - alpha, -2.0 * c, 1.0 + alpha);
        break;
    }
    default: break;
    }
}
