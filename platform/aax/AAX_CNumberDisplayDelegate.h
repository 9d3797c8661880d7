#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

// Decimal display with Precision decimals followed by SpaceAfter spaces (room
// before a unit appended by the caller). With a length limit, decimals are
// dropped one by one until the text fits; what still does not fit is cut.
template <typename T, int32_t Precision = 2, int32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T> {
public:
    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* text) const override {
        if (!text)
            return false;
        text->Set(Format(value, Precision).c_str());
        return true;
    }

    bool ValueToString(T value, int32_t maxChars, AAX_CString* text) const override {
        if (!text)
            return false;
        if (maxChars < 0)
            maxChars = 0;
        std::string result = Format(value, Precision);
        for (int32_t precision = Precision - 1; precision >= 0 && result.size() > static_cast<size_t>(maxChars);
             --precision) {
            result = Format(value, precision);
        }
        if (result.size() > static_cast<size_t>(maxChars))
            result.resize(static_cast<size_t>(maxChars));
        text->Set(result.c_str());
        return true;
    }

    bool StringToValue(const AAX_CString& text, T* value) const override {
        if (!value)
            return false;
        const char* begin = text.Get();
        char* end = nullptr;
        errno = 0;
        const double parsed = std::strtod(begin, &end);
        if (end == begin || errno == ERANGE)
            return false;
        while (*end == ' ')
            ++end;
        if (*end != '\0')
            return false;
        *value = static_cast<T>(parsed);
        return true;
    }

private:
    static std::string Format(T value, int32_t precision) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(precision), static_cast<double>(value));
        std::string result(buffer);
        result.append(static_cast<size_t>(std::max<int32_t>(SpaceAfter, 0)), ' ');
        return result;
    }
};
