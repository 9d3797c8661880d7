#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Parameter values as the editor shows them, for the command line.
//
// A switch takes the text of one of its positions, exactly as the editor
// shows it ("Clear", "4:1", "x2.5", "+2"; letters in any case). ValveLevel's
// positions are numbers, so they are written with their sign: "-3" to "+3",
// the middle one "+0". A knob takes its number with the unit or scale the
// editor uses: Output in dB ("12dB", "4.5dB"), Time and Compression out of
// 10 ("5.5/10", "7.25/10").
//
// Anything else is a normalised value: a plain number from 0 to 1, for every
// parameter alike.

// One position of a parameter's display: the text shown, the normalised
// values that show it [low, high), and the value chosen for it (0 and 1 at
// the ends, the middle elsewhere).
struct DisplayStep {
    std::string text;
    double low;
    double high;
    double value;
};

// Every position of a host parameter's display in ascending order, found by
// asking the parameter table for the display of values across 0..1.
const std::vector<DisplayStep>& displaySteps(int32_t index);

// Reads VALUE for the host parameter `index` in either notation. A value
// between two positions or outside the range is refused, and `error` names
// the nearest valid values.
bool parseParameterValue(int32_t index, const std::string& text, double& value, std::string& error);

// The editor's notation of a normalised value ("Valve", "12dB", "5.5/10"),
// which parseParameterValue reads back to a value with the same display.
std::string formatParameterValue(int32_t index, double value);
