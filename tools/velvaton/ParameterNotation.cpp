#include "ParameterNotation.h"

#include "ParameterArgument.h"
#include "velvaTonParameters.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <strings.h>

namespace {

// Finer than any display step of the table, so no position is missed.
constexpr int kScanPoints = 4800;

// The unit or scale a knob's number is written with; switches have none.
const char* unitOf(int32_t index) {
    switch (index) {
    case kTime:
    case kCompression: return "/10";
    case kOutput: return "dB";
    default: return nullptr;
    }
}

std::string displayOf(int32_t index, double value) {
    char text[kParameterDisplaySize + 1] = {};
    getParameterDisplay(index, value, text);
    return text;
}

std::vector<DisplayStep> scanSteps(int32_t index) {
    std::vector<DisplayStep> steps;
    std::string current = displayOf(index, 0.0);
    double low = 0.0;
    double previous = 0.0;
    for (int i = 1; i <= kScanPoints; ++i) {
        const double v = static_cast<double>(i) / kScanPoints;
        const std::string text = displayOf(index, v);
        if (text != current) {
            // Bisect to the first value that no longer shows `current`.
            double a = previous;
            double b = v;
            while (std::nextafter(a, b) < b) {
                const double middle = a + (b - a) / 2.0;
                (displayOf(index, middle) == current ? a : b) = middle;
            }
            steps.push_back({current, low, b, (low + b) / 2.0});
            current = text;
            low = b;
        }
        previous = v;
    }
    steps.push_back({current, low, 1.0, 1.0});
    steps.front().value = 0.0;
    return steps;
}

// "[+-]digits[.digits]", also ".5" and "5."; `sign` allows the sign.
bool isPlainDecimal(const std::string& text, bool sign) {
    size_t i = sign && !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// A whole number written with its sign ("+2", "-3", "+0"): never a
// normalised value, which has no sign.
bool isSignedWholeNumber(const std::string& text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-') && isPlainDecimal(text, true) &&
           text.find('.') == std::string::npos;
}

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

// What every position's text of a switch shares around its number ("x" in
// "x2.5", ":1" in "4:1"), and whether each text is such a number at all.
struct SwitchForm {
    std::string prefix;
    std::string suffix;
    bool numeric = false;
};

SwitchForm switchFormOf(const std::vector<DisplayStep>& steps) {
    SwitchForm form;
    form.prefix = form.suffix = steps.front().text;
    for (const DisplayStep& step : steps) {
        size_t n = 0;
        while (n < form.prefix.size() && n < step.text.size() && form.prefix[n] == step.text[n])
            ++n;
        form.prefix.resize(n);
        n = 0;
        while (n < form.suffix.size() && n < step.text.size() &&
               form.suffix[form.suffix.size() - 1 - n] == step.text[step.text.size() - 1 - n])
            ++n;
        form.suffix.erase(0, form.suffix.size() - n);
    }
    while (!form.prefix.empty() && isNumberChar(form.prefix.back()))
        form.prefix.pop_back();
    while (!form.suffix.empty() && isNumberChar(form.suffix.front()))
        form.suffix.erase(0, 1);
    form.numeric = true;
    for (const DisplayStep& step : steps) {
        if (step.text.size() < form.prefix.size() + form.suffix.size() ||
            !isPlainDecimal(
                step.text.substr(form.prefix.size(), step.text.size() - form.prefix.size() - form.suffix.size()), true))
            form.numeric = false;
    }
    return form;
}

bool startsWithNoCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && strncasecmp(text.c_str(), start.c_str(), start.size()) == 0;
}

bool endsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && strcasecmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

// The number in `text` between `prefix` and `suffix`; false when it has none
// (`whole`: a whole number with its sign).
bool numberBetween(const std::string& text, const std::string& prefix, const std::string& suffix, bool whole,
                   double& number) {
    if (text.size() < prefix.size() + suffix.size() || !startsWithNoCase(text, prefix) || !endsWithNoCase(text, suffix))
        return false;
    std::string middle = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
    while (!middle.empty() && middle.back() == ' ')  // "12 dB"
        middle.pop_back();
    if (!(whole ? isSignedWholeNumber(middle) : isPlainDecimal(middle, true)))
        return false;
    number = std::strtod(middle.c_str(), nullptr);
    return true;
}

double stepNumber(const std::string& text, const SwitchForm& form) {
    return std::strtod(text.substr(form.prefix.size()).c_str(), nullptr);
}

std::string notationOf(int32_t index, const DisplayStep& step) {
    const char* unit = unitOf(index);
    // A bare unsigned position ("0" of ValveLevel) would read as a
    // normalised value: it is written with a sign.
    if (unit == nullptr)
        return isPlainDecimal(step.text, false) ? "+" + step.text : step.text;
    char number[32];
    std::snprintf(number, sizeof number, "%g", std::strtod(step.text.c_str(), nullptr));
    return number + std::string(unit);
}

std::string parameterName(int32_t index) {
    char name[kParameterNameSize + 1] = {};
    getParameterName(index, name);
    return name;
}

std::string positionList(int32_t index, const std::vector<DisplayStep>& steps) {
    std::string list;
    for (const DisplayStep& step : steps)
        list += (list.empty() ? "" : ", ") + notationOf(index, step);
    return list;
}

// The position showing `number`, or an error naming the nearest positions.
bool pickStep(int32_t index, const std::vector<DisplayStep>& steps, const SwitchForm& form, double number,
              const std::string& text, double& value, std::string& error) {
    const DisplayStep* below = nullptr;
    const DisplayStep* above = nullptr;
    for (const DisplayStep& step : steps) {
        const double shown = stepNumber(step.text, form);
        if (shown == number) {
            value = step.value;
            return true;
        }
        if (shown < number && (below == nullptr || shown > stepNumber(below->text, form)))
            below = &step;
        if (shown > number && (above == nullptr || shown < stepNumber(above->text, form)))
            above = &step;
    }
    const std::string name = parameterName(index);
    if (below == nullptr || above == nullptr) {
        error = name + "=" + text + " is outside " + notationOf(index, steps.front()) + " to " +
                notationOf(index, steps.back()) + "; nearest: " + notationOf(index, below ? *below : *above);
    } else {
        error = name + "=" + text + " lies between two positions; nearest: " + notationOf(index, *below) + " and " +
                notationOf(index, *above);
    }
    return false;
}

}  // namespace

const std::vector<DisplayStep>& displaySteps(int32_t index) {
    static std::map<int32_t, std::vector<DisplayStep>> scanned;
    auto found = scanned.find(index);
    if (found == scanned.end())
        found = scanned.emplace(index, scanSteps(index)).first;
    return found->second;
}

std::string formatParameterValue(int32_t index, double value) {
    std::string text = displayOf(index, value);
    for (const DisplayStep& step : displaySteps(index))
        if (step.text == text)
            return notationOf(index, step);
    return text;
}

bool parseParameterValue(int32_t index, const std::string& text, double& value, std::string& error) {
    const std::vector<DisplayStep>& steps = displaySteps(index);
    const char* unit = unitOf(index);
    double number = 0.0;
    if (unit != nullptr) {
        // A knob: a number with its unit or scale.
        const SwitchForm knob{"", "", true};
        if (numberBetween(text, "", unit, false, number))
            return pickStep(index, steps, knob, number, text, value, error);
    } else {
        for (const DisplayStep& step : steps) {
            if (strcasecmp(step.text.c_str(), text.c_str()) == 0 && !isPlainDecimal(text, false)) {
                value = step.value;
                return true;
            }
        }
        // A switch whose positions are numbers: "4.0:1" is 4:1, and "5:1" lies
        // between two positions. Where the texts are bare numbers (ValveLevel)
        // a position carries its sign ("+2", "+0"); an unsigned number is a
        // normalised value, as for every parameter.
        const SwitchForm form = switchFormOf(steps);
        const bool bare = form.prefix.empty() && form.suffix.empty();
        if (form.numeric && (!bare || isSignedWholeNumber(text)) &&
            numberBetween(text, form.prefix, form.suffix, bare, number))
            return pickStep(index, steps, form, number, text, value, error);
    }

    std::string valueError;
    if (parseNormalisedValue(text, value, valueError))
        return true;
    const std::string name = parameterName(index);
    error = name + ": " + valueError;
    if (unit != nullptr && isPlainDecimal(text, true)) {
        error += " (for the editor's number write " + text + unit + ")";
    } else if (!isPlainDecimal(text, true)) {
        error = name + ": '" + text + "' is not a number from 0 to 1, nor one of " +
                (unit ? "the editor's numbers: " + notationOf(index, steps.front()) + " to " +
                            notationOf(index, steps.back())
                      : "its positions: " + positionList(index, steps));
    }
    return false;
}
