#include "display/ButtonList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Text.h"

namespace {

TBtnEntry Entry(int id, int x, int y, int w, int h, const std::string& mid, const std::string& cap,
                const std::string& pic) {
    TBtnEntry entry;
    entry.ID = id;
    entry.X = x;
    entry.Y = y;
    entry.W = w;
    entry.H = h;
    CopyText(entry.MID, mid);
    CopyText(entry.CAP, cap);
    CopyText(entry.PIC, pic);
    return entry;
}

// The entry as its lines, which also shows a field's bytes past the text.
std::string Describe(const TBtnList& list) {
    std::string text;
    for (const TBtnEntry& e : list)
        text += std::to_string(e.ID) + " " + std::to_string(e.X) + "," + std::to_string(e.Y) + " " +
                std::to_string(e.W) + "x" + std::to_string(e.H) + " [" + std::string(FieldText(e.MID)) +
                "][" + std::string(FieldText(e.CAP)) + "][" + std::string(FieldText(e.PIC)) + "]\n";
    return text;
}

TEST(ButtonList, WritingAndReadingBackKeepsEveryEntryInOrder) {
    const std::string longPicture = "C:\\" + std::string(248, 'p') + ".bmp";
    ASSERT_EQ(longPicture.size(), 255u);
    const TBtnList list = {
        Entry(3, 0, 0, 21, 21, "M12", "Play", ""),
        Entry(1, -4, 7, 120, 30, "A9999", std::string(50, 'c'), longPicture),
        Entry(7, 10, 20, 3, 3, "", "", ""),
    };
    const std::string text = WriteButtonList(list);
    EXPECT_EQ(text.substr(0, 47), "ID:3\r\nX:0\r\nY:0\r\nW:21\r\nH:21\r\nMID:M12\r\nCAP:Play\r\n");
    const TBtnList back = ReadButtonList(text);
    EXPECT_EQ(Describe(back), Describe(list));
    EXPECT_EQ(FieldText(back[1].PIC), longPicture);
    EXPECT_EQ(WriteButtonList(back), text);

    EXPECT_EQ(WriteButtonList({}), "");
    EXPECT_TRUE(ReadButtonList("").empty());
}

TEST(ButtonList, ATextOffTheFormatKeepsItsEntriesAndReadsBadNumbersAsZero) {
    const struct {
        const char* why;
        std::string text;
        std::string entries;
    } cases[] = {
        {"no MID line", "ID:1\r\nX:5\r\nY:6\r\nW:30\r\nH:40\r\nCAP:a\r\nPIC:\r\n", "1 5,6 30x40 [][a][]\n"},
        {"lines before the first ID", "MID:M1\r\nhello\r\nID:2\r\nW:30\r\nH:30\r\n", "2 0,0 30x30 [][][]\n"},
        {"keys in another order, unknown lines", "ID:4\r\nPIC:p.bmp\r\nnote\r\nH:25\r\nMID:M2\r\nW:22\r\n",
         "4 0,0 22x25 [M2][][p.bmp]\n"},
        {"values are not trimmed", "ID:1\r\nW:30\r\nH:30\r\nCAP: x \r\n", "1 0,0 30x30 [][ x ][]\n"},
        {"bad numbers", "ID:1\r\nX:12a\r\nY: 3\r\nW:\r\nH:1.5\r\n", "1 0,0 21x21 [][][]\n"},
        {"a size below a button's least", "ID:1\r\nW:2\r\nH:-40\r\n", "1 0,0 21x21 [][][]\n"},
        {"bad and repeated IDs", "ID:x\r\nW:30\r\nH:30\r\nID:5\r\nW:30\r\nH:30\r\nID:5\r\nW:30\r\nH:30\r\n",
         "0 0,0 30x30 [][][]\n5 0,0 30x30 [][][]\n6 0,0 30x30 [][][]\n"},
        {"an empty ID at the end", "ID:1\r\nW:30\r\nH:30\r\nID:\r\n", "1 0,0 30x30 [][][]\n"},
        {"bare LF and no last line end", "ID:1\nW:30\nH:30\nCAP:end", "1 0,0 30x30 [][end][]\n"},
        {"bare CR", "ID:1\rW:30\rH:30\rID:2\rCAP:b\r", "1 0,0 30x30 [][][]\n2 0,0 21x21 [][b][]\n"},
        {"a key's case counts", "ID:1\r\nw:50\r\ncap:x\r\nW:30\r\nH:30\r\n", "1 0,0 30x30 [][][]\n"},
        {"too long values are cut",
         "ID:1\r\nW:30\r\nH:30\r\nMID:M123456\r\nCAP:" + std::string(60, 'c') + "\r\n",
         "1 0,0 30x30 [M1234][" + std::string(50, 'c') + "][]\n"},
        {"no entry at all", "CAP:x\r\n\r\n", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(ReadButtonList(c.text)), c.entries) << c.why;
}

TEST(ButtonList, ATextThatGaveNoEntryIsToldApartFromAnEmptyOne) {
    for (const char* text : {"id:1\r\nw:30\r\n", "CAP:x\r\n", "ID:\r\n"})
        EXPECT_TRUE(NothingReadFrom(text, ReadButtonList(text))) << text;
    for (const char* text : {"", " \r\n\r\n", "ID:x\r\n"})
        EXPECT_FALSE(NothingReadFrom(text, ReadButtonList(text))) << text;
}

// Sizes that took seconds when each repeat searched the whole list.
TEST(ButtonList, RepeatedIDsAreRenumberedInOnePass) {
    for (const int32_t id : {1, INT32_MAX}) {
        std::string text;
        for (int i = 0; i < 100000; ++i) text += "ID:" + std::to_string(id) + "\r\n";
        const TBtnList list = ReadButtonList(text);
        EXPECT_EQ(list[1].ID, id == 1 ? 2 : 1);
        EXPECT_EQ(list.back().ID, id == 1 ? 100000 : 99999);
    }
}

TEST(ButtonList, NewButtonsTakeTheNumberAfterTheHighest) {
    TBtnList list;
    EXPECT_EQ(AddButton(list), 1);
    EXPECT_EQ(AddButton(list), 2);
    EXPECT_EQ(AddButton(list), 3);
    EXPECT_EQ(Describe({list[0]}), "1 0,0 21x21 [][][]\n");
    list.erase(list.begin() + FindButton(list, 2));
    EXPECT_EQ(AddButton(list), 4);
    list.erase(list.begin() + FindButton(list, 4));
    EXPECT_EQ(AddButton(list), 4);

    EXPECT_EQ(NextButtonID({Entry(-3, 0, 0, 9, 9, "", "", "")}), 1);
    // Past the largest number the lowest free one is taken.
    EXPECT_EQ(NextButtonID({Entry(1, 0, 0, 9, 9, "", "", ""), Entry(INT32_MAX, 0, 0, 9, 9, "", "", "")}), 2);
}

TEST(ButtonList, LookupTakesTheLastEntryWithTheID) {
    const TBtnList list = {Entry(1, 0, 0, 9, 9, "M1", "", ""), Entry(2, 0, 0, 9, 9, "", "", ""),
                           Entry(1, 0, 0, 9, 9, "M2", "", "")};
    EXPECT_EQ(FindButton(list, 1), 2);
    EXPECT_EQ(FindButton(list, 2), 1);
    EXPECT_EQ(FindButton(list, 3), -1);
    EXPECT_EQ(FindButton({}, 1), -1);
}

}  // namespace
