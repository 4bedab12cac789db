// The README's sample panel: every button fits the panel's first size and
// runs an item of the sample command file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/Settings.h"
#include "core/Text.h"
#include "display/ButtonList.h"
#include "display/PanelGeometry.h"

namespace {

std::string ReadSample(const std::string& name) {
    std::ifstream file(std::string(TOVANIX_SAMPLES) + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(SampleButtonList, EachButtonFitsThePanelAndRunsAnItemOfTheSample) {
    const std::string text = ReadSample("BTNLIST.TXT");
    const std::string commandFile = "\r\n" + ReadSample("TOVANIX.CMD");
    const TBtnList list = ReadButtonList(text);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(WriteButtonList(list), text);
    // Inside the panel's 1-pixel edge at its default size.
    const int width = setting::BtnPanelW.defaultValue;
    const int height = setting::BtnPanelH.defaultValue;
    for (const TBtnEntry& entry : list) {
        const std::string mid(FieldText(entry.MID));
        EXPECT_NE(commandFile.find("\r\nID:" + mid + "\r\n"), std::string::npos) << mid;
        EXPECT_GE(entry.X, 1) << mid;
        EXPECT_GE(entry.Y, 1) << mid;
        EXPECT_LE(entry.X + entry.W, width - 1) << mid;
        EXPECT_LE(entry.Y + entry.H, height - 1) << mid;
    }
}

}  // namespace
