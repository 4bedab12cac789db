#include "editing/SettingsModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MemorySettings.h"
#include "editing/DriverChoice.h"

namespace {

// Settings in memory that note the name of each write, in order.
class RecordingSettings : public MemorySettings {
  public:
    void WriteInt(const std::string& name, int32_t value) override {
        written.push_back(name);
        MemorySettings::WriteInt(name, value);
    }
    void WriteStr(const std::string& name, const std::string& value) override {
        written.push_back(name);
        MemorySettings::WriteStr(name, value);
    }
    std::vector<std::string> written;
};

class SettingsModelTest : public ::testing::Test {
  protected:
    void SetUp() override { UseSettingsBackend(&memory); }
    void TearDown() override { UseSettingsBackend(nullptr); }
    RecordingSettings memory;
};

TEST_F(SettingsModelTest, ValuesReadWithinTheirRangesAndPlacesAsListIndexes) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, int32_t>> numbers;
        std::vector<std::pair<const char*, const char*>> texts;
        int32_t pressDelay, reactivateTime, cmdTime;
        bool osd;
        int displayPlace, chooserPlace;
    } cases[] = {
        {"nothing stored: the defaults", {}, {}, 300, 60, 1000, true, 4, 4},
        {"out of range: the nearest end",
         {{"PressDelay", 1500}, {"ReactivateTime", 0}, {"CmdTime", -5}},
         {},
         1000,
         1,
         0,
         true,
         4,
         4},
        {"the chooser's values under the other spelling, OSD other than 1 is off",
         {{"CMDTime", 250}, {"OSD", 2}},
         {{"OSDLoc", "Top left"}, {"CMDLoc", "Center"}},
         300,
         60,
         250,
         false,
         1,
         0},
        {"a place not in the list, or in other letter case, is none of them",
         {},
         {{"OSDLoc", "Middle"}, {"CmdLoc", "top right"}},
         300,
         60,
         1000,
         true,
         -1,
         -1},
    };
    for (const auto& c : cases) {
        memory.Clear();
        for (const auto& [name, value] : c.numbers) memory.WriteInt(name, value);
        for (const auto& [name, text] : c.texts) memory.WriteStr(name, text);
        const SettingsValues v = ReadSettingsValues();
        EXPECT_EQ(v.pressDelay, c.pressDelay) << c.name;
        EXPECT_EQ(v.reactivateTime, c.reactivateTime) << c.name;
        EXPECT_EQ(v.pages[kChooserPage].time, c.cmdTime) << c.name;
        EXPECT_EQ(v.osd, c.osd) << c.name;
        EXPECT_EQ(v.pages[kDisplayPage].location, c.displayPlace) << c.name;
        EXPECT_EQ(v.pages[kChooserPage].location, c.chooserPlace) << c.name;
        EXPECT_EQ(v.pages[kDisplayPage].fontName, "Times New Roman") << c.name;
    }
}

TEST_F(SettingsModelTest, OkWritesEveryValueClampedInItsOrderAndNeverTheDriver) {
    memory.WriteStr("OSDLoc", "Middle");
    memory.WriteStr("Driver", "tovnet.dll");
    SettingsValues v = ReadSettingsValues();
    v.pressDelay = 1500;
    v.reactivate = true;
    v.reactivateTime = 5000;
    v.pages[kDisplayPage].fontName = "Arial";
    v.pages[kChooserPage].time = -10;
    v.pages[kChooserPage].location = 2;
    memory.written.clear();

    WriteSettingsValues(v);
    const std::vector<std::string> order{
        "Tolerance",    "Skip",         "PressDelay", "SeqDelay",      "Reactivate",       "ReactivateTime",
        "Minimize",     "CursorAcc",    "AutoLearn",  "BtnPanelStart", "FollowForeground", "SampleCount",
        "FontName",     "FontSize",     "FontColor",  "BackColor",     "CmdFontName",      "CmdFontSize",
        "CmdFontColor", "CmdBackColor", "OSD",        "OSDTime",       "OSDLoc",           "CmdTime",
        "CmdLoc",       "HoldTime",         "OSDScreen"};
    EXPECT_EQ(memory.written, order);
    EXPECT_EQ(ReadSetting(setting::PressDelay), 1000);
    EXPECT_EQ(memory.ReadInt("PressDelay"), 1000);
    EXPECT_EQ(memory.ReadInt("ReactivateTime"), 1440);
    EXPECT_EQ(memory.ReadInt("Reactivate"), 1);
    EXPECT_EQ(memory.ReadInt("CmdTime"), 0);
    EXPECT_EQ(memory.ReadStr("FontName"), "Arial");
    // A place the list does not offer, left unchosen, stays as it was.
    EXPECT_EQ(memory.ReadStr("OSDLoc"), "Middle");
    EXPECT_EQ(memory.ReadStr("CmdLoc"), "Top right");
    EXPECT_EQ(memory.ReadStr("Driver"), "tovnet.dll");
}

TEST(SettingsModel, LocationIndexesAndTexts) {
    const struct {
        const char* stored;
        int index;         // LocationIndex(stored)
        int chosen;        // what the user chose afterwards
        const char* text;  // LocationText(chosen, stored)
    } cases[] = {
        {"Center", 0, 0, "Center"},
        {"Top left", 1, 1, "Top left"},
        {"Top right", 2, 2, "Top right"},
        {"Bottom left", 3, 3, "Bottom left"},
        {"Bottom right", 4, 0, "Center"},
        {"center", -1, -1, "center"},
        {"Middle", -1, 3, "Bottom left"},
        {"", -1, -1, ""},
        {"Bottom right ", -1, 5, "Bottom right "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocationIndex(c.stored), c.index) << c.stored;
        EXPECT_EQ(LocationText(c.chosen, c.stored), c.text) << c.stored;
    }
}

TEST(SettingsModel, TypedReactivationMinutes) {
    const struct {
        const char* text;
        int32_t result;
    } cases[] = {
        {"30", 30}, {"1", 1},    {"1440", 1440}, {"1441", 1440}, {"0", 1},    {"-7", 1},
        {"", 45},   {"abc", 45}, {"12a", 45},    {" 5", 45},     {"$10", 16}, {"99999999999", 45},
    };
    for (const auto& c : cases) EXPECT_EQ(TypedReactivateTime(c.text, 45), c.result) << c.text;
}

TEST(SettingsModel, PageControlsAreOffOnlyOnTheDisplayPageWithoutTheDisplay) {
    EXPECT_TRUE(PageControlsEnabled(kDisplayPage, true));
    EXPECT_FALSE(PageControlsEnabled(kDisplayPage, false));
    EXPECT_TRUE(PageControlsEnabled(kChooserPage, true));
    EXPECT_TRUE(PageControlsEnabled(kChooserPage, false));
}

TEST(DriverChoice, FilesLookedIntoAndTheEntryShown) {
    const struct {
        const char* file;
        bool looked;
    } files[] = {
        {"tovnet.dll", true}, {"RX95.DLL", false}, {"RXNT.DLL", false},    {"myRXNT.dll", false},
        {"rxnt.dll", true},   {"RX95DLL", true},   {"tovlocal.DLL", true},
    };
    for (const auto& f : files) EXPECT_EQ(MayHoldDriver(f.file), f.looked) << f.file;

    const std::vector<DriverEntry> drivers{
        {"Local", "tovlocal.dll"}, {"Network", "tovnet.dll"}, {"Again", "tovlocal.dll"}};
    EXPECT_EQ(SelectedDriver(drivers, "tovnet.dll"), 1);
    EXPECT_EQ(SelectedDriver(drivers, "tovlocal.dll"), 2);
    EXPECT_EQ(SelectedDriver(drivers, "TOVNET.DLL"), 1);
    EXPECT_EQ(SelectedDriver(drivers, ""), 2);  // the local receiver, in use without a choice
    EXPECT_EQ(SelectedDriver(drivers, "C:\\tovnet.dll"), -1);
    EXPECT_EQ(SelectedDriver({}, "tovnet.dll"), -1);
}

}  // namespace
