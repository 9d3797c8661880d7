#pragma once

#include <cstdint>

class AAX_CString;

// Turns a parameter's real value into text and back.
template <typename T>
class AAX_IDisplayDelegate {
public:
    virtual ~AAX_IDisplayDelegate() = default;
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString(T value, AAX_CString* text) const = 0;
    // The text is at most maxChars characters (shortened sensibly, else cut).
    virtual bool ValueToString(T value, int32_t maxChars, AAX_CString* text) const = 0;
    // False (value untouched) when the text is no valid value.
    virtual bool StringToValue(const AAX_CString& text, T* value) const = 0;
};
