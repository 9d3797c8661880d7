#include "HRXSettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool parse(const std::string& text, std::vector<HRXSettingsValue>& values) {
    return parseSettingsText(text.data(), text.size(), values);
}

HRXSettingsValue text(const std::string& name, const std::string& data) {
    return {name, true, std::vector<uint8_t>(data.begin(), data.end())};
}

TEST(SettingsFile, FormatsTheDocumentedLines) {
    EXPECT_EQ(
        formatSettingsText({{"HRXVT1: 57", false, {0x00, 0x00, 0x80, 0x3f}}, text("ManualPath", "/m/a \"b\"\\c.pdf")}),
        "HRXSETTINGS 1\n"
        "binary \"HRXVT1: 57\" 0000803f\n"
        "string \"ManualPath\" \"/m/a \\\"b\\\"\\\\c.pdf\"\n"
        "end\n");
}

TEST(SettingsFile, RoundTripsAwkwardNamesAndBytes) {
    std::string oddName = "a\"b\\c\nd";
    oddName += '\0';
    oddName += "\x7f\xff";
    std::vector<uint8_t> allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.push_back(static_cast<uint8_t>(i));
    const std::vector<HRXSettingsValue> original = {{oddName, false, allBytes},
                                                    {"empty", false, {}},
                                                    text("text", std::string("x\ty\0z\xe9", 6)),
                                                    text("empty text", "")};
    std::vector<HRXSettingsValue> parsed;
    ASSERT_TRUE(parse(formatSettingsText(original), parsed));
    ASSERT_EQ(parsed.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(parsed[i].name, original[i].name);
        EXPECT_EQ(parsed[i].isString, original[i].isString);
        EXPECT_EQ(parsed[i].data, original[i].data);
    }
}

TEST(SettingsFile, DamagedOrOversizedTextYieldsNoValues) {
    const std::string good = "HRXSETTINGS 1\nbinary \"a\" 01\nend\n";
    std::vector<HRXSettingsValue> values;
    ASSERT_TRUE(parse(good, values));
    ASSERT_EQ(values.size(), 1u);

    std::string oversized = "HRXSETTINGS 1\nbinary \"a\" ";
    oversized.append(kMaxSettingsFileSize, '0');
    oversized += "\nend\n";
    const std::string damaged[] = {
        "",
        "HRXSETTINGS 2\nend\n",
        "HRXSETTINGS 1\nbinary \"a\" 01\nend\nextra\n",  // bytes after the end
        "HRXSETTINGS 1\nbinary \"a\" 012\nend\n",        // odd hex digits
        "HRXSETTINGS 1\nbinary \"a\" 0g\nend\n",
        "HRXSETTINGS 1\nbinary \"a\" \nend\n",                     // no data at all
        "HRXSETTINGS 1\nbinary \"a\" 01\nbinary \"a\" 02\nend\n",  // duplicate name
        "HRXSETTINGS 1\nstring \"a\" \"unterminated\nend\n",
        "HRXSETTINGS 1\nstring \"a\" \"bad \\q escape\"\nend\n",
        "HRXSETTINGS 1\nstring \"a\" \"short \\x4\"\nend\n",
        "HRXSETTINGS 1\nstring \"a\" \"raw\ttab\"\nend\n",
        "HRXSETTINGS 1\nfloat \"a\" 01\nend\n",
        "HRXSETTINGS 1\nbinary \"a\"01\nend\n",
        oversized,
    };
    for (const std::string& text : damaged) {
        values = {{"stale", false, {1}}};
        EXPECT_FALSE(parse(text, values)) << text.substr(0, 60);
        EXPECT_TRUE(values.empty()) << text.substr(0, 60);
    }
    // Every cut of a good file is damaged, the torn end line included.
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(parse(good.substr(0, cut), values)) << cut;
}

}  // namespace
