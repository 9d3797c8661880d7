// The kernel's envelope stage: the main envelope alone, on the detector
// values and coefficients the sensing stage wrote.
#include "velvaTonKernel.h"

#include <cmath>

namespace velvaTonKernel {

void followEnvelope(velvaTonEngineState& state, int32_t attackSteps, SubBlock& sub) {
    HRXBiquad program = state.programEnvelope;
    double envelope = state.envelope;

    for (uint32_t i = 0; i < sub.frames; ++i) {
        const ProgramCoefficients& c = sub.program[i];
        program.a1 = c.a1;
        program.a2 = c.a2;
        program.b0 = c.b0;
        program.b1 = c.b1;
        program.b2 = c.b2;
        const double s = sub.detector[i];

        // The envelope is programEnvelope, a heavily damped low-pass (q 0.1)
        // of the detector, stepped once per frame on release. While the
        // detector is above the envelope, the section takes attackSteps steps
        // in the frame on the held detector value: the same response run that
        // many times faster, so the attack time is the release time divided by
        // the step count. Each step waits on the one before (a multiply and
        // four additions, with the flush), up to 56 per frame: this is the
        // kernel's one chain that must run in order. The first attack step is
        // the release step, so it starts before the attack test is decided.
        const bool attacking = s > envelope;
        double next = tickBiquad(program, s);
        if (attacking) {
            const int32_t more = attackSteps - 1;
            for (int32_t run = 0; run < more / 4; ++run)
                next = tickBiquadHeld4(program, s);
            for (int32_t step = 0; step < more % 4; ++step)
                next = tickBiquad(program, s);
        }

        // The floor keeps e = sqrt(envelope) >= 0.0316, so the curves that
        // divide by e stay finite; a NaN lands on the floor too. The section's
        // history keeps the unclamped output.
        if (std::isnan(next))
            next = 0.0;
        if (next < 0.001)
            next = 0.001;
        envelope = next;
        sub.envelope[i] = envelope;
    }

    state.programEnvelope = program;
    state.envelope = envelope;
}

}  // namespace velvaTonKernel
