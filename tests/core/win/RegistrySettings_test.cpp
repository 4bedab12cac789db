// The settings against the real registry.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "core/Settings.h"

namespace {

const char* const kKey = "SOFTWARE\\Morvale\\Tovanix";

class RegistrySettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    static void RemoveAll() { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale"); }

    static bool KeyExists() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static DWORD StoredType(const char* name) {
        DWORD type = REG_NONE;
        RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, nullptr, nullptr);
        return type;
    }
};

TEST_F(RegistrySettingsTest, EveryReaderReturnsItsDefaultWithoutAKey) {
    for (const IntSetting& s : AllIntSettings()) EXPECT_EQ(ReadSetting(s), s.defaultValue) << s.name;
    for (const StrSetting& s : AllStrSettings()) EXPECT_EQ(ReadSetting(s), s.defaultValue) << s.name;
    EXPECT_FALSE(ReadStartSetting());
    EXPECT_FALSE(ReadMinimizeSetting());
}

TEST_F(RegistrySettingsTest, FirstWriteCreatesTheKeyPath) {
    ASSERT_FALSE(KeyExists());
    WriteSetting(setting::SeqDelay, 750);
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(StoredType("SeqDelay"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 750);
}

TEST_F(RegistrySettingsTest, TypesAreDwordAndString) {
    WriteSetting(setting::FontName, "Arial");
    WriteStartSetting(true);
    WriteIntSetting(setting::Left.name, -20);
    EXPECT_EQ(StoredType("FontName"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(StoredType("Start"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ReadSetting(setting::FontName), "Arial");
    EXPECT_TRUE(ReadStartSetting());
    EXPECT_EQ(ReadIntSetting(setting::Left.name, 0), -20) << "a negative number survives the DWORD";
}

TEST_F(RegistrySettingsTest, StoredDwordsOutsideTheRangeReadAsTheNearestBound) {
    struct Case {
        const IntSetting& setting;
        DWORD stored;
        int32_t read;
    };
    for (const Case& c :
         {Case{setting::SeqDelay, 0xFFFFFFFF, 0}, Case{setting::SeqDelay, 100000, 2000},
          Case{setting::ReactivateTime, 0, 1}, Case{setting::ReactivateTime, 0x80000000, 1},
          Case{setting::ReactivateTime, 0x7FFFFFFF, 1440}, Case{setting::CursorAcc, 0xFFFFFFEC, 1},
          Case{setting::OSDTime, 0x80000000, 0}, Case{setting::OSDTime, 0xFFFFFFFF, 0},
          Case{setting::OSDTime, 0x7FFFFFFF, 10000}, Case{setting::NetworkPort, 70000, 65535}}) {
        StoreRaw(c.setting.name, REG_DWORD, &c.stored, sizeof c.stored);
        EXPECT_EQ(ReadSetting(c.setting), c.read) << c.setting.name << " stored as " << c.stored;
    }
    const DWORD huge = 0x7FFFFFFF;
    StoreRaw("top", REG_DWORD, &huge, sizeof huge);
    EXPECT_EQ(ReadIntSetting(setting::Top.name, 0), 32767);
}

TEST_F(RegistrySettingsTest, ASixtyFourBitNumberReadsAsTheDefault) {
    const unsigned long long seqDelay = 900;
    StoreRaw("SeqDelay", REG_QWORD, &seqDelay, sizeof seqDelay);
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 600);
}

TEST_F(RegistrySettingsTest, ValueOfTheWrongTypeReadsAsTheDefault) {
    StoreRaw("SeqDelay", REG_SZ, "900", 4);
    const DWORD three = 3;
    StoreRaw("OSDLoc", REG_DWORD, &three, sizeof three);
    const unsigned char bytes[2] = {1, 2};
    StoreRaw("CursorAcc", REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 600);
    EXPECT_EQ(ReadSetting(setting::OSDLoc), "Bottom right");
    EXPECT_EQ(ReadSetting(setting::CursorAcc), 20);
}

TEST_F(RegistrySettingsTest, EmptyStringReadsAsTheDefault) {
    WriteSetting(setting::FontName, "");
    EXPECT_EQ(StoredType("FontName"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadSetting(setting::FontName), "Times New Roman");
}

TEST_F(RegistrySettingsTest, NameCaseDoesNotMatter) {
    const DWORD value = 2500;
    StoreRaw("cmdtime", REG_DWORD, &value, sizeof value);
    EXPECT_EQ(ReadSetting(setting::CmdTime), 2500);
    EXPECT_EQ(ReadIntSetting("CMDTime", 1000), 2500);
    WriteStrSetting("CMDLoc", "Top left");
    EXPECT_EQ(ReadSetting(setting::CmdLoc), "Top left");
}

// The key stays open between calls: removing it (a reset of the settings by
// another program) must not leave reads and writes on the removed key.
TEST_F(RegistrySettingsTest, SettingsRemovedAndStoredAnewWhileInUseAreReadAndWritten) {
    WriteSetting(setting::SeqDelay, 750);
    RemoveAll();
    const DWORD value = 900;
    StoreRaw("SeqDelay", REG_DWORD, &value, sizeof value);
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 900);
    RemoveAll();
    WriteSetting(setting::FontName, "Arial");
    EXPECT_EQ(StoredType("FontName"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistrySettingsTest, StartStoredAsTwoReadsAsFalse) {
    WriteSetting(setting::Start, 2);
    EXPECT_FALSE(ReadStartSetting());
}

TEST_F(RegistrySettingsTest, StringsWithoutTerminatorOrVeryLongAreReadWhole) {
    StoreRaw("Driver", REG_SZ, "lirc.dll", 8);  // stored without its zero byte
    EXPECT_EQ(ReadSetting(setting::Driver), "lirc.dll");
    const std::string longText(5000, 'p');
    WriteSetting(setting::Plugins, longText);
    EXPECT_EQ(ReadSetting(setting::Plugins), longText);
}

}  // namespace
