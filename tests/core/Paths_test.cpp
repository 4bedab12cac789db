#include "core/Paths.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameOf, TakesThePartAfterTheLastBackslash) {
    EXPECT_EQ(FileNameOf("C:\\A\\B\\x.exe"), "x.exe");
    EXPECT_EQ(FileNameOf("x.exe"), "x.exe");
    EXPECT_EQ(FileNameOf("C:\\A\\"), "");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FileNameOf("\\\\server\\share\\notes.txt"), "notes.txt");
}

TEST(ProgramFolderOf, IsTheFolderOfAProgramNamedTovanix) {
    EXPECT_EQ(ProgramFolderOf("C:\\Apps\\Tovanix.exe"), "C:\\Apps\\");
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Tovanix\\TOVANIX.EXE"), "C:\\Program Files\\Tovanix\\");
    EXPECT_EQ(ProgramFolderOf("Tovanix.exe"), "");
}

TEST(ProgramFolderOf, IsEmptyForAProgramOfAnotherName) {
    EXPECT_EQ(ProgramFolderOf("C:\\Apps\\other.exe"), "");
    EXPECT_EQ(ProgramFolderOf("C:\\Apps\\MyTovanix.exe"), "");
    EXPECT_EQ(ProgramFolderOf("C:\\Tovanix.exe\\run.exe"), "");
    EXPECT_EQ(ProgramFolderOf(""), "");
}

}  // namespace
