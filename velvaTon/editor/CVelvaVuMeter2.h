#pragma once

#include "HRXCustomControl.h"

// Needle meter of the compressor's gain reduction over a lit or unlit face.
// Value 0.0 (no reduction) leans the needle 30 degrees left of vertical, 1.0
// leans it 30 degrees right; the view clips the needle to the meter.
class CVelvaVuMeter2 : public HRXCustomControl {
public:
    static constexpr int32_t kTag = 15;
    static constexpr HRXColour kNeedleLit{170, 165, 160, 255};
    static constexpr HRXColour kNeedleUnlit{140, 135, 130, 255};

    // secondImage is held but not drawn.
    CVelvaVuMeter2(const HRXRect& rect, HRXBitmap* litFace, HRXBitmap* secondImage, HRXBitmap* unlitFace,
                   const HRXPoint& pivot, double innerRadius, double outerRadius);
    ~CVelvaVuMeter2() override;

    void setDefaultValue(double value) override { ownDefaultValue_ = value; }
    double getDefaultValue() const override { return ownDefaultValue_; }
    void draw(HRXDrawContext* context) override;

    void setLamp(bool lit) { lamp_ = lit ? 1 : 0; }
    bool isLampLit() const { return lamp_ != 0; }
    const HRXRect& getFaceRect() const { return faceRect_; }

    // The needle's drawn ends for a value, in the view's coordinates.
    void needleEnds(double value, HRXPoint& inner, HRXPoint& outer) const;

private:
    int32_t lamp_ = 1;
    HRXBitmap* litFace_;
    HRXBitmap* secondImage_;
    HRXBitmap* unlitFace_;
    HRXRect faceRect_;
    HRXPoint pivot_;
    double innerRadius_;
    double outerRadius_;
    double ownDefaultValue_ = 0.5;
};
