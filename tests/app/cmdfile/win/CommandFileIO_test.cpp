// Loading, saving, importing and exporting real files with the store of
// tovdata.dll. All tests share the one store of the process and leave it
// empty.
#include "app/cmdfile/win/CommandFileIO.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/win/TovdataStoreAccess.h"
#include "core/Paths.h"
#include "store/tovdata.h"
#include "tests/support/StoreReset.h"
#include "tests/support/WinTestSupport.h"

namespace {

class CommandFileIOTest : public ::testing::Test {
  protected:
    void TearDown() override { DeleteAllItems(); }

    static int ItemCount() {
        int count = 0;
        int position = -1;
        while (getNextBGroup(&position)) ++count;
        position = -1;
        while (getNextMacro(&position, "", true)) ++count;
        return count;
    }

    std::string File(const char* name) const { return folder.path() + name; }

    TovdataStoreAccess store;
    TempFolder folder;
};

TEST_F(CommandFileIOTest, DefaultFileAndMissingFiles) {
    EXPECT_EQ(DefaultCommandFile(), ProgramFolder() + "TOVANIX.CMD");
    LoadItemsFromFile(store, File("missing.cmd"), false);
    LoadItemsFromFile(store, File("missing.cmd"), true);
    EXPECT_EQ(ItemCount(), 0);
}

TEST_F(CommandFileIOTest, SampleFileLoadsAndSavesUnchanged) {
    const std::string sample = ReadWholeFile(TOVANIX_SAMPLE_FILE);
    ASSERT_FALSE(sample.empty());
    LoadItemsFromFile(store, TOVANIX_SAMPLE_FILE, false);
    const TBGroupRecord* notepad = findBGroupByName("Notepad");
    ASSERT_NE(notepad, nullptr);
    const TMacroRecord* start = getMacro(notepad->MacroID);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(FieldText(start->Commands), "LAUNCH:I:notepad.exe");
    ASSERT_TRUE(SaveItemsToFile(store, File("TOVANIX.CMD")).ok);
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), sample);
}

// The sample as an old Mac editor saves it after a hand edit: lines end in
// CR alone, and the group and its start macro are written with zeros.
TEST_F(CommandFileIOTest, HandEditedSampleLoadsWithItsLinksAndSavesAsTheSample) {
    const std::string sample = ReadWholeFile(TOVANIX_SAMPLE_FILE);
    std::string edited;
    for (char c : sample)
        if (c != '\n') edited += c;
    for (const char* id : {"A1\r", "M1\r"}) {
        const std::string zeros = std::string(1, id[0]) + "0" + (id + 1);
        for (std::size_t at = 0; (at = edited.find(std::string(":") + id, at)) != std::string::npos;)
            edited.replace(++at, 3, zeros);
    }
    ASSERT_NE(edited.find("ID:A01\rNAME:Notepad\r"), std::string::npos);
    ASSERT_NE(edited.find("APPID:A01\r"), std::string::npos);
    WriteWholeFile(File("TOVANIX.CMD"), edited);

    const LoadReport report = LoadItemsFromFile(store, File("TOVANIX.CMD"), false);
    EXPECT_EQ(report.itemsInFile, 15u);
    EXPECT_EQ(report.itemsNotLoaded, 0u);
    ASSERT_EQ(report.changedIDs.size(), 2u);
    EXPECT_EQ(report.changedIDs[0].from + ">" + report.changedIDs[0].to, "A01>A1");
    ASSERT_TRUE(SaveItemsToFile(store, File("TOVANIX.CMD")).ok);
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), sample);
}

TEST_F(CommandFileIOTest, TheStartRemovesATemporaryFileThatASaveLeftBehind) {
    WriteWholeFile(File("TOVANIX.CMD"), "ID:M1\r\nNAME:Play\r\n");
    WriteWholeFile(File("TOVANIX.CMD.tmp"), "ID:M1\r\nNA");
    LoadItemsFromFile(store, File("TOVANIX.CMD"), true);  // an import leaves other files alone
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD.tmp")), "ID:M1\r\nNA");
    LoadItemsFromFile(store, File("TOVANIX.CMD"), false);
    EXPECT_EQ(GetFileAttributesA(File("TOVANIX.CMD.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ItemCount(), 2);
}

// The name of the item that the buttons select at once, "" for none yet.
std::string Selected(const char* sequence) {
    char id[6] = "";
    int count = 0;
    findItemByCommand(sequence, &count, false, id);
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!getBGroupOrMacro(id, &macro, &group)) return "";
    return std::string(macro ? FieldText(macro->Name) : FieldText(group->Name));
}

TEST_F(CommandFileIOTest, SampleCommandsSelectTheirItems) {
    LoadItemsFromFile(store, TOVANIX_SAMPLE_FILE, false);
    EXPECT_EQ(Selected("KEY_VOLUMEUP"), "Volume up");
    EXPECT_EQ(Selected("KEY_1"), "");  // waits for the second button
    EXPECT_EQ(Selected("KEY_1;KEY_2"), "Type signature");
    EXPECT_EQ(Selected("KEY_RED"), "Notepad");
    activateBGroup(findBGroupByName("Notepad")->ID);
    EXPECT_EQ(Selected("KEY_OK"), "Type greeting");
}

TEST_F(CommandFileIOTest, ExportedGroupImportsAsACopy) {
    LoadItemsFromFile(store, TOVANIX_SAMPLE_FILE, false);
    const int loaded = ItemCount();
    const std::string groupID(FieldText(findBGroupByName("Notepad")->ID));
    ASSERT_TRUE(ExportItemToFile(store, groupID.c_str(), File("exported.cmd")).ok);
    EXPECT_EQ(ReadWholeFile(File("exported.cmd")).find("IRCOMMAND:KEY"), std::string::npos);

    LoadItemsFromFile(store, File("exported.cmd"), true);
    int position = -1;
    getNextBGroup(&position);
    const TBGroupRecord* copy = getNextBGroup(&position);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(FieldText(copy->Name), "Notepad");
    EXPECT_EQ(FieldText(copy->IRCommand), "");
    const TMacroRecord* start = getMacro(copy->MacroID);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(FieldText(start->Name), "Start Notepad");
    EXPECT_EQ(FieldText(start->AppID), FieldText(copy->ID));
    EXPECT_EQ(ItemCount(), loaded + 1 + 10);  // the group and its ten macros
}

TEST_F(CommandFileIOTest, FailedSaveKeepsTheOldFileAndTheItems) {
    LoadItemsFromFile(store, TOVANIX_SAMPLE_FILE, false);
    const std::string target = File("TOVANIX.CMD");
    WriteWholeFile(target, "ID:M1\r\nNAME:old\r\n");
    // Another program holds the file open and lets nobody remove it.
    HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const WriteResult result = SaveItemsToFile(store, target);
    CloseHandle(holder);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(target), std::string::npos) << result.message;
    EXPECT_EQ(ReadWholeFile(target), "ID:M1\r\nNAME:old\r\n");
    EXPECT_NE(findBGroupByName("Notepad"), nullptr);
}

}  // namespace
