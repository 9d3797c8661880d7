#include "AAX_CString.h"

#include <cstring>

AAX_CString::AAX_CString(const char* text) {
    Set(text);
}

AAX_CString::AAX_CString(const std::string& text) {
    Set(text.c_str());
}

uint32_t AAX_CString::Length() const {
    return static_cast<uint32_t>(string_.size());
}

uint32_t AAX_CString::MaxLength() const {
    return kMaxLength;
}

const char* AAX_CString::Get() const {
    return string_.c_str();
}

void AAX_CString::Set(const char* text) {
    if (!text) {
        string_.clear();
        return;
    }
    string_.assign(text, strnlen(text, kMaxLength));
}

AAX_IString& AAX_CString::operator=(const AAX_IString& other) {
    if (&other != this)
        Set(other.Get());
    return *this;
}

void AAX_CString::Clear() {
    string_.clear();
}

void AAX_CString::Append(const char* text) {
    if (!text)
        return;
    const size_t room = kMaxLength - string_.size();
    string_.append(text, strnlen(text, room));
}
