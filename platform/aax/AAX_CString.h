#pragma once

#include <string>

#include "AAX_IString.h"

// The framework's string: a std::string holding at most kMaxLength bytes.
class AAX_CString : public AAX_IString {
public:
    static constexpr uint32_t kMaxLength = 1024;

    AAX_CString() = default;
    AAX_CString(const char* text);  // NOLINT: implicit like a string literal
    explicit AAX_CString(const std::string& text);
    AAX_CString(const AAX_CString& other) = default;
    AAX_CString& operator=(const AAX_CString& other) = default;

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set(const char* text) override;
    AAX_IString& operator=(const AAX_IString& other) override;

    void Clear();
    void Append(const char* text);
    const std::string& StdString() const { return string_; }

private:
    std::string string_;
};
