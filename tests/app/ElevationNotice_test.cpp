// When the notice about a program run as administrator appears.
#include "ElevationNotice.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr uint32_t kMedium = 0x2000, kHigh = 0x3000, kSystem = 0x4000;

struct FakeIntegrity : IntegrityQuery {
    std::optional<uint32_t> own = kMedium;
    std::map<WindowHandle, std::pair<std::optional<uint32_t>, std::string>> windows;
    std::optional<uint32_t> OwnLevel() override { return own; }
    std::optional<uint32_t> LevelOf(WindowHandle window) override { return windows[window].first; }
    std::string ProgramFileOf(WindowHandle window) override { return windows[window].second; }
};

TEST(ElevationNotice, OncePerProgramOfAHigherLevel) {
    const std::string notice = "Tovanix cannot send keys to regedit.exe: it runs as administrator.";
    const struct {
        const char* rule;
        std::optional<uint32_t> own;
        std::vector<WindowHandle> targets;
        std::vector<std::string> notices;
    } cases[] = {
        {"a program at Tovanix's level", kMedium, {100}, {""}},
        {"an elevated program, once", kMedium, {200, 200, 201}, {notice, "", ""}},
        {"each elevated program once",
         kMedium,
         {200, 300, 300},
         {notice,
          "Tovanix cannot send keys to "
          "services.exe: it runs as administrator.",
          ""}},
        {"Tovanix elevated as well", kHigh, {200}, {""}},
        {"an unknown level says nothing", kMedium, {400}, {""}},
        {"Tovanix's level unknown says nothing", std::nullopt, {200}, {""}},
        {"no window", kMedium, {0}, {""}},
    };
    for (const auto& c : cases) {
        FakeIntegrity query;
        query.own = c.own;
        query.windows[100] = {kMedium, "C:\\Windows\\notepad.exe"};
        query.windows[200] = query.windows[201] = {kHigh, "C:\\Windows\\regedit.exe"};
        query.windows[300] = {kSystem, "C:\\Windows\\System32\\services.exe"};
        query.windows[400] = {std::nullopt, "C:\\Protected\\av.exe"};
        ElevationNotice elevation(query);
        std::vector<std::string> notices;
        for (WindowHandle target : c.targets) notices.push_back(elevation.Check(target).value_or(""));
        EXPECT_EQ(notices, c.notices) << c.rule;
    }
}

}  // namespace
