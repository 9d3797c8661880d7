#pragma once

// Where the editor places its controls (logical units, left, top, right,
// bottom); the panel prints scales and captions around them.

namespace artwork {

struct Box {
    double left, top, right, bottom;
    double centreX() const { return (left + right) * 0.5; }
    double centreY() const { return (top + bottom) * 0.5; }
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

constexpr Box kPanel{0, 0, 400, 275};
constexpr Box kProcessSwitch{262, 46, 368, 124};
constexpr Box kTimeKnob{28, 143, 142, 257};
constexpr Box kCompressionKnob{143, 143, 257, 257};
constexpr Box kOutputKnob{258, 143, 372, 257};
constexpr Box kRatioKnob{50, 50, 120, 120};
constexpr Box kAttackRatioKnob{31, 123, 62, 154};
constexpr Box kValveLevelKnob{267, 92, 298, 123};
constexpr Box kMeter{150, 66, 250, 109};
constexpr Box kNameButton{85, 5, 313, 45};

// The meter's needle pivot (the face's own coordinates follow from kMeter).
constexpr double kNeedlePivotX = 200.0;
constexpr double kNeedlePivotY = 155.0;

// Process switch strip: three segments across the top of each frame.
constexpr int kSwitchPositions = 3;

} // namespace artwork
