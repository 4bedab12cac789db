#include "Settings.h"

#include <gtest/gtest.h>

#include <set>

#include "MemorySettings.h"

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
    WriteIntSetting("FontColor", -1);
    EXPECT_EQ(ReadSetting(setting::CursorAcc), 55);
    EXPECT_EQ(ReadSetting(setting::FontName), "Arial");
    EXPECT_EQ(ReadSetting(setting::FontColor), -1);
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
