#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One --automate NAME=SECONDS:VALUE[,SECONDS:VALUE...]: breakpoints of a host
// automation lane for one parameter. Before the first point the lane leaves
// the parameter alone; between points the value moves linearly; after the
// last it holds.
struct AutomationLane {
    struct Point {
        double seconds;
        double value;
    };
    int32_t index = -1;         // parameter slot
    std::vector<Point> points;  // in time order

    // False before the first point; otherwise `value` at `seconds`.
    bool valueAt(double seconds, double& value) const;
};

// Parses the option's argument; points must be in ascending time order
// (equal times allowed: a jump), times finite and not negative, values in
// either notation of ParameterNotation.h.
bool parseAutomationLane(const std::string& text, AutomationLane& lane, std::string& error);
