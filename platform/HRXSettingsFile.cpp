#include "HRXSettingsFile.h"

#include <set>

namespace {

constexpr const char kSignatureLine[] = "HRXSETTINGS 1\n";
constexpr const char kEndLine[] = "end\n";
constexpr const char kHexDigits[] = "0123456789abcdef";

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A cursor over the text; every method fails rather than read past the end.
class Reader {
public:
    Reader(const char* text, size_t size) : text_(text), size_(size) {}

    bool atEnd() const { return pos_ == size_; }

    bool literal(const char* word) {
        size_t i = 0;
        for (; word[i] != '\0'; ++i) {
            if (pos_ + i >= size_ || text_[pos_ + i] != word[i])
                return false;
        }
        pos_ += i;
        return true;
    }

    bool quoted(std::string& out) {
        out.clear();
        if (!literal("\""))
            return false;
        while (pos_ < size_) {
            const unsigned char c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"')
                return true;
            if (c < 0x20 || c >= 0x7f)
                return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (pos_ >= size_)
                return false;
            const char escaped = text_[pos_++];
            if (escaped == '"' || escaped == '\\') {
                out += escaped;
            } else if (escaped == 'x' && pos_ + 2 <= size_) {
                const int high = hexValue(text_[pos_]);
                const int low = hexValue(text_[pos_ + 1]);
                if (high < 0 || low < 0)
                    return false;
                out += static_cast<char>(high * 16 + low);
                pos_ += 2;
            } else {
                return false;
            }
        }
        return false;
    }

    // Hex digit pairs up to the line's end, or "" for no bytes.
    bool hex(std::vector<uint8_t>& out) {
        out.clear();
        if (literal("\"\""))
            return true;
        while (pos_ < size_ && text_[pos_] != '\n') {
            if (pos_ + 2 > size_)
                return false;
            const int high = hexValue(text_[pos_]);
            const int low = hexValue(text_[pos_ + 1]);
            if (high < 0 || low < 0)
                return false;
            out.push_back(static_cast<uint8_t>(high * 16 + low));
            pos_ += 2;
        }
        return !out.empty();
    }

private:
    const char* text_;
    size_t size_;
    size_t pos_ = 0;
};

void appendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7f) {
            out += "\\x";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xf];
        } else {
            out += ch;
        }
    }
    out += '"';
}

}  // namespace

bool parseSettingsText(const char* text, size_t size, std::vector<HRXSettingsValue>& values) {
    values.clear();
    if (text == nullptr || size > kMaxSettingsFileSize)
        return false;
    Reader reader(text, size);
    if (!reader.literal(kSignatureLine))
        return false;
    std::vector<HRXSettingsValue> parsed;
    std::set<std::string> names;
    for (;;) {
        if (reader.literal(kEndLine))
            break;
        HRXSettingsValue value;
        if (reader.literal("binary "))
            value.isString = false;
        else if (reader.literal("string "))
            value.isString = true;
        else
            return false;
        if (!reader.quoted(value.name) || !reader.literal(" "))
            return false;
        if (value.isString) {
            std::string data;
            if (!reader.quoted(data))
                return false;
            value.data.assign(data.begin(), data.end());
        } else if (!reader.hex(value.data)) {
            return false;
        }
        if (!reader.literal("\n") || !names.insert(value.name).second)
            return false;
        parsed.push_back(std::move(value));
    }
    if (!reader.atEnd())
        return false;
    values = std::move(parsed);
    return true;
}

std::string formatSettingsText(const std::vector<HRXSettingsValue>& values) {
    std::string out = kSignatureLine;
    for (const HRXSettingsValue& value : values) {
        out += value.isString ? "string " : "binary ";
        appendQuoted(out, value.name);
        out += ' ';
        if (value.isString) {
            appendQuoted(out, std::string(value.data.begin(), value.data.end()));
        } else if (value.data.empty()) {
            out += "\"\"";
        } else {
            for (const uint8_t byte : value.data) {
                out += kHexDigits[byte >> 4];
                out += kHexDigits[byte & 0xf];
            }
        }
        out += '\n';
    }
    out += kEndLine;
    return out;
}
