#include "core/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "core/MemorySettings.h"
#include "core/Text.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { UseSettingsBackend(&memory); }
    void TearDown() override { UseSettingsBackend(nullptr); }
    MemorySettings memory;
};

TEST_F(SettingsTest, EveryReaderReturnsItsDefaultWhenNothingIsStored) {
    for (const IntSetting& s : AllIntSettings()) EXPECT_EQ(ReadSetting(s), s.defaultValue) << s.name;
    for (const StrSetting& s : AllStrSettings()) EXPECT_EQ(ReadSetting(s), s.defaultValue) << s.name;
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 600);
    EXPECT_EQ(ReadSetting(setting::OSDLoc), "Bottom right");
    EXPECT_EQ(ReadSetting(setting::BackColor), 16777215);
    EXPECT_FALSE(ReadStartSetting());
    EXPECT_FALSE(ReadMinimizeSetting());
}

TEST_F(SettingsTest, TableNamesAreUniqueWithoutRegardToCase) {
    std::set<std::string> names;
    auto add = [&](std::string name) {
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(name).second) << name;
    };
    for (const IntSetting& s : AllIntSettings()) add(s.name);
    for (const StrSetting& s : AllStrSettings()) add(s.name);
}

TEST_F(SettingsTest, DefaultsLieWithinTheirRanges) {
    for (const IntSetting& s : AllIntSettings()) {
        EXPECT_LE(s.minimum, s.defaultValue) << s.name;
        EXPECT_GE(s.maximum, s.defaultValue) << s.name;
    }
}

TEST_F(SettingsTest, WrittenValuesAreReadBack) {
    WriteSetting(setting::CursorAcc, 55);
    WriteSetting(setting::FontName, "Arial");
    WriteIntSetting("FontColor", 0x123456);
    WriteIntSetting("NoSuchSetting", INT_MIN);
    EXPECT_EQ(ReadSetting(setting::CursorAcc), 55);
    EXPECT_EQ(ReadSetting(setting::FontName), "Arial");
    EXPECT_EQ(ReadSetting(setting::FontColor), 0x123456);
    EXPECT_EQ(ReadIntSetting("NoSuchSetting", 0), INT_MIN) << "a name outside the table reads as stored";
}

// The ranges as docs/settings.md gives them; every number of the table must
// be listed here.
struct DocumentedRange {
    const char* name;
    int32_t minimum;
    int32_t maximum;
    OutOfRange outside;
};
constexpr OutOfRange kClamp = OutOfRange::Clamp;
constexpr OutOfRange kFlag = OutOfRange::Flag;
const DocumentedRange kDocumented[] = {
    {"Start", 0, 1, kFlag},
    {"Action", 0, 9999, OutOfRange::Default},
    {"ShowHidden", 0, 1, kFlag},
    {"Minimize", 0, 1, kFlag},
    {"BtnPanelStart", 0, 1, kFlag},
    {"Reactivate", 0, 1, kFlag},
    {"ReactivateTime", 1, 1440, kClamp},
    {"AutoLearn", 0, 1, kFlag},
    {"SeqDelay", 0, 2000, kClamp},
    {"CursorAcc", 1, 100, kClamp},
    {"Tolerance", 1, 20, kClamp},
    {"SampleCount", 1, 20, kClamp},
    {"Skip", 0, 50, kClamp},
    {"PressDelay", 0, 1000, kClamp},
    {"OSD", 0, 1, kFlag},
    {"OSDTime", 0, 10000, kClamp},
    {"FontSize", 1, 1638, kClamp},
    {"FontColor", 0, 0xFFFFFF, kClamp},
    {"BackColor", 0, 0xFFFFFF, kClamp},
    {"CmdTime", 0, 10000, kClamp},
    {"CmdFontSize", 1, 1638, kClamp},
    {"CmdFontColor", 0, 0xFFFFFF, kClamp},
    {"CmdBackColor", 0, 0xFFFFFF, kClamp},
    {"BtnPanelX", -32768, 32767, kClamp},
    {"BtnPanelY", -32768, 32767, kClamp},
    {"BtnPanelW", 1, 32767, kClamp},
    {"BtnPanelH", 1, 32767, kClamp},
    {"Height", 200, 32767, kClamp},
    {"NetworkPort", 1, 65535, kClamp},
    {"HidRemotes", 0, 1, kFlag},
    {"FollowForeground", 0, 1, kFlag},
    {"HoldTime", 300, 3000, kClamp},
    {"OSDScreen", 0, 1, OutOfRange::Default},
    {"Left", -32768, 32767, kClamp},
    {"Top", -32768, 32767, kClamp},
};

int32_t Expected(const DocumentedRange& range, int32_t stored, int32_t defaultValue) {
    const bool inside = stored >= range.minimum && stored <= range.maximum;
    switch (range.outside) {
        case OutOfRange::Flag:
            return stored == 1 ? 1 : 0;
        case OutOfRange::Default:
            return inside ? stored : defaultValue;
        case OutOfRange::Clamp:
            break;
    }
    return inside ? stored : stored < range.minimum ? range.minimum : range.maximum;
}

TEST_F(SettingsTest, EveryNumberIsReadWithinItsDocumentedRange) {
    std::vector<IntSetting> numbers = AllIntSettings();
    for (const ComputedSetting& s : AllComputedSettings())
        numbers.push_back(IntSetting{s.name, 0, s.minimum, s.maximum});
    ASSERT_EQ(numbers.size(), std::size(kDocumented));
    for (const IntSetting& s : numbers) {
        const DocumentedRange* range = nullptr;
        for (const DocumentedRange& r : kDocumented)
            if (std::string(r.name) == s.name) range = &r;
        ASSERT_TRUE(range) << s.name << " has no documented range";
        EXPECT_EQ(s.minimum, range->minimum) << s.name;
        EXPECT_EQ(s.maximum, range->maximum) << s.name;
        EXPECT_EQ(s.outside, range->outside) << s.name;
        for (const int32_t stored : {-1, 0, 1, range->minimum, range->maximum, range->minimum - 1,
                                     range->maximum + 1, INT_MAX, INT_MIN}) {
            WriteIntSetting(s.name, stored);
            const int32_t expected = Expected(*range, stored, s.defaultValue);
            // Both ways of reading, the second under another spelling.
            EXPECT_EQ(ReadSetting(s), expected) << s.name << " stored as " << stored;
            EXPECT_EQ(ReadIntSetting(ToUpperAscii(s.name), s.defaultValue), expected)
                << s.name << " stored as " << stored;
        }
    }
}

TEST_F(SettingsTest, OutOfRangeValuesThatBrokeTheProgramReadAsTheNearestBound) {
    struct Case {
        const IntSetting& setting;
        int32_t stored;
        int32_t read;
    };
    for (const Case& c :
         {Case{setting::SeqDelay, -1, 0}, Case{setting::SeqDelay, 100000, 2000},
          Case{setting::ReactivateTime, 0, 1}, Case{setting::ReactivateTime, -1, 1},
          Case{setting::ReactivateTime, 35791395, 1440}, Case{setting::CursorAcc, -20, 1},
          Case{setting::OSDTime, -1, 0}, Case{setting::OSDTime, INT_MAX, 10000},
          Case{setting::PressDelay, INT_MIN, 0}, Case{setting::Action, 10000, 0}, Case{setting::OSD, 2, 0}}) {
        WriteSetting(c.setting, c.stored);
        EXPECT_EQ(ReadSetting(c.setting), c.read) << c.setting.name << " stored as " << c.stored;
    }
}

TEST_F(SettingsTest, DefaultsAreNotLimited) {
    // Readers pass a default of their own to tell a missing value apart.
    EXPECT_EQ(ReadIntSetting(setting::Left.name, INT_MIN), INT_MIN);
    EXPECT_EQ(ReadIntSetting(setting::SeqDelay.name, -5), -5);
}

TEST_F(SettingsTest, EmptyTextReadsAsTheDefault) {
    WriteSetting(setting::FontName, "");
    EXPECT_EQ(ReadSetting(setting::FontName), "Times New Roman");
    EXPECT_EQ(ReadStrSetting("Driver", "fallback"), "fallback");
}

TEST_F(SettingsTest, ValueOfTheWrongTypeReadsAsTheDefault) {
    WriteStrSetting("SeqDelay", "900");
    WriteIntSetting("OSDLoc", 3);
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 600);
    EXPECT_EQ(ReadSetting(setting::OSDLoc), "Bottom right");
}

TEST_F(SettingsTest, NamesCompareWithoutCase) {
    WriteIntSetting("cmdtime", 2500);
    EXPECT_EQ(ReadIntSetting("CMDTime", 1000), 2500);
    EXPECT_EQ(ReadSetting(setting::CmdTime), 2500);
    WriteStrSetting("CMDLoc", "Center");
    EXPECT_EQ(ReadSetting(setting::CmdLoc), "Center");
}

TEST_F(SettingsTest, FlagsAreTrueOnlyForExactlyOne) {
    WriteSetting(setting::Start, 2);
    EXPECT_FALSE(ReadStartSetting());
    WriteSetting(setting::Start, 1);
    EXPECT_TRUE(ReadStartSetting());
    WriteStrSetting("Minimize", "1");
    EXPECT_FALSE(ReadMinimizeSetting());
}

TEST_F(SettingsTest, FlagWritersStoreOneOrZero) {
    WriteStartSetting(true);
    WriteMinimizeSetting(true);
    EXPECT_EQ(ReadSetting(setting::Start), 1);
    EXPECT_EQ(ReadSetting(setting::Minimize), 1);
    WriteStartSetting(false);
    EXPECT_EQ(ReadSetting(setting::Start), 0);
}

TEST_F(SettingsTest, ComputedDefaultsComeFromTheReader) {
    EXPECT_EQ(ReadIntSetting(setting::Left.name, 492), 492);
    WriteIntSetting(setting::Left.name, -20);
    EXPECT_EQ(ReadIntSetting(setting::Left.name, 492), -20);
}

}  // namespace
