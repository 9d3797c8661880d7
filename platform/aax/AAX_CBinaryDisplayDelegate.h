#pragma once

#include <string>

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

// Two texts, one for false and one for true; parsing accepts exactly those.
template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T> {
public:
    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
        : false_(falseText ? falseText : ""), true_(trueText ? trueText : "") {}

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* text) const override {
        if (!text)
            return false;
        text->Set(value != static_cast<T>(0) ? true_.c_str() : false_.c_str());
        return true;
    }

    bool ValueToString(T value, int32_t maxChars, AAX_CString* text) const override {
        if (!text)
            return false;
        std::string result = value != static_cast<T>(0) ? true_ : false_;
        if (maxChars < 0)
            maxChars = 0;
        if (result.size() > static_cast<size_t>(maxChars))
            result.resize(static_cast<size_t>(maxChars));
        text->Set(result.c_str());
        return true;
    }

    bool StringToValue(const AAX_CString& text, T* value) const override {
        if (!value)
            return false;
        if (true_ == text.Get()) {
            *value = static_cast<T>(true);
            return true;
        }
        if (false_ == text.Get()) {
            *value = static_cast<T>(false);
            return true;
        }
        return false;
    }

private:
    std::string false_;
    std::string true_;
};
