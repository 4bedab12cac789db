#include "editing/PickPosModel.h"

#include <gtest/gtest.h>

#include "tests/support/StoreTestItems.h"

namespace {

TEST(PickPosModel, TargetDecidesTheReference) {
    const struct {
        bool currentWindow;
        const char* file;
        const char* caption;
        bool relative;
    } cases[] = {
        {false, "", "", false},
        {true, "C:\\ed.exe", "Ed", false},
        {false, "C:\\ed.exe", "", true},
        {false, "", "Untitled - Ed", true},
    };
    for (const auto& c : cases) {
        TMacroRecord macro = MacroRecord("M1");
        macro.CurrentWindow = c.currentWindow;
        CopyText(macro.TargetFile, c.file);
        CopyText(macro.TargetCaption, c.caption);
        EXPECT_EQ(ClicksRelativeToTarget(macro), c.relative) << c.file << "|" << c.caption;
    }
}

TEST(PickPosModel, CaptureRelativeToTheWindowThenSwitchToTheScreen) {
    PickPosModel model("Play");
    EXPECT_TRUE(model.CaptureOnActivation());
    EXPECT_FALSE(model.CaptureOnActivation());  // the activation that follows the capture
    EXPECT_EQ(model.TargetNotFound(), kTargetNotFound);
    EXPECT_EQ(model.Reference(), ClickReference::Screen);
    model.TargetFound(std::string(70, 'c'));
    EXPECT_EQ(model.TargetCaption(), std::string(64, 'c'));
    EXPECT_EQ(model.CapturePrompt().text,
              "The target application will be focused after you press OK. You have 4 seconds to place the "
              "cursor to the desired position.");
    model.StartCountdown();
    for (int tick = 1; tick <= kCountdownTicks; ++tick) EXPECT_EQ(model.CountdownTick(), tick == 4);

    EXPECT_EQ(model.Captured({500, 300}, false, {493, 297}), kTargetMismatch);
    EXPECT_FALSE(model.OkEnabled());
    EXPECT_EQ(model.Captured({500, 300}, true, {493, 297}), kLocationSaved);
    EXPECT_TRUE(model.OkEnabled());
    EXPECT_EQ(model.Accept().token, "CLICK:0007:0003:L:W:CLICK");

    model.SetReference(ClickReference::Screen);
    EXPECT_EQ(model.x + "," + model.y, "500,300");
    EXPECT_EQ(model.TargetCaption(), "");
    model.SetReference(ClickReference::Screen);  // no second conversion
    model.SetReference(ClickReference::Window);
    EXPECT_EQ(model.x + "," + model.y, "7,3");
    model.x = "abc";  // typed by hand: not converted
    model.SetReference(ClickReference::Screen);
    EXPECT_EQ(model.x + "," + model.y, "abc,3");
}

TEST(PickPosModel, ScreenCaptureTakesTheCursor) {
    PickPosModel model("Play");
    model.UseWholeScreen();
    EXPECT_FALSE(model.ReferenceEnabled());
    EXPECT_EQ(model.Captured({120, 45}, false, {}), kLocationSaved);
    EXPECT_EQ(model.x + "," + model.y, "120,45");
}

TEST(PickPosModel, AcceptBuildsTheCommandOrRefuses) {
    const ClickReference S = ClickReference::Screen, W = ClickReference::Window;
    const struct {
        ClickReference reference;
        const char* x;
        const char* y;
        MouseButton button;
        ClickAction action;
        const char* token;
        const DialogMessage* refusal;
    } cases[] = {
        {S, "120", "45", MouseButton::Right, ClickAction::Click, "CLICK:0120:0045:R:S:D:CLICK", nullptr},
        {W, "7", "3", MouseButton::Middle, ClickAction::Down, "CLICK:0007:0003:M:W:DOWN", nullptr},  // no :D
        {W, "0", "9999", MouseButton::Left, ClickAction::Up, "CLICK:0000:9999:L:W:UP", nullptr},
        {W, "-5", "3", MouseButton::Left, ClickAction::Click, "", &kLeftOfOrAboveWindow},
        {W, "5", "-1", MouseButton::Left, ClickAction::Click, "", &kLeftOfOrAboveWindow},
        {S, "-5", "3", MouseButton::Left, ClickAction::Click, "", &kCoordinatesOutOfRange},
        {S, "10000", "3", MouseButton::Left, ClickAction::Click, "", &kCoordinatesOutOfRange},
        {S, "", "3", MouseButton::Left, ClickAction::Click, "", &kCoordinatesOutOfRange},
        {W, "1x", "3", MouseButton::Left, ClickAction::Click, "", &kCoordinatesOutOfRange},
    };
    for (const auto& c : cases) {
        PickPosModel model("Play");
        if (c.reference == W) model.TargetFound("Ed");
        model.x = c.x;
        model.y = c.y;
        model.button = c.button;
        model.action = c.action;
        model.doubleClick = true;
        const ClickOutcome outcome = model.Accept();
        EXPECT_EQ(outcome.token, c.token) << c.x << "," << c.y;
        EXPECT_EQ(outcome.refusal.value_or(DialogMessage{}), c.refusal ? *c.refusal : DialogMessage{});
    }
}

}  // namespace
