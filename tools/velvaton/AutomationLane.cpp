#include "AutomationLane.h"

#include "ParameterArgument.h"
#include "ParameterNotation.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

bool parseSeconds(const std::string& text, double& seconds, std::string& error) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    seconds = std::strtod(begin, &end);
    if (text.empty() || end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(seconds) || seconds < 0.0) {
        error = "automation time '" + text + "' is not a number of seconds from 0";
        return false;
    }
    return true;
}

}  // namespace

bool AutomationLane::valueAt(double seconds, double& value) const {
    if (points.empty() || seconds < points.front().seconds)
        return false;
    size_t next = 0;
    while (next < points.size() && points[next].seconds <= seconds)
        ++next;
    if (next == points.size()) {
        value = points.back().value;
        return true;
    }
    const Point& a = points[next - 1];
    const Point& b = points[next];
    value = a.value + (b.value - a.value) * (seconds - a.seconds) / (b.seconds - a.seconds);
    return true;
}

bool parseAutomationLane(const std::string& text, AutomationLane& lane, std::string& error) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        error = "--automate takes NAME=SECONDS:VALUE[,SECONDS:VALUE...], not '" + text + "'";
        return false;
    }
    const std::string name = text.substr(0, equals);
    lane.index = findHostParameterByName(name);
    if (lane.index < 0) {
        error = "unknown parameter '" + name + "' (one of " + hostParameterNames() + ")";
        return false;
    }
    lane.points.clear();
    size_t start = equals + 1;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string point = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t colon = point.find(':');
        if (colon == std::string::npos) {
            error = "automation point '" + point + "' is not SECONDS:VALUE";
            return false;
        }
        AutomationLane::Point parsed{};
        if (!parseSeconds(point.substr(0, colon), parsed.seconds, error) ||
            !parseParameterValue(lane.index, point.substr(colon + 1), parsed.value, error))
            return false;
        if (!lane.points.empty() && parsed.seconds < lane.points.back().seconds) {
            error = "automation points of " + name + " must be in time order";
            return false;
        }
        lane.points.push_back(parsed);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return true;
}
