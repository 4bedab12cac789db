// When the notice about a program run as administrator appears.
#include "app/logic/ElevationNotice.h"

#include <gtest/gtest.h>

namespace {

// Windows 1xx: Notepad at the medium level, 2xx: the registry editor at the
// high level, 300: a service at the system level, 400: a level unknown.
struct FakeIntegrity : IntegrityQuery {
    explicit FakeIntegrity(std::optional<uint32_t> level) : own(level) {}
    std::optional<uint32_t> own;
    std::optional<uint32_t> OwnLevel() override { return own; }
    std::optional<uint32_t> LevelOf(WindowHandle w) override {
        return w == 400 ? std::nullopt : std::optional<uint32_t>(0x1000 * (w / 100 + 1));
    }
    std::string ProgramFileOf(WindowHandle w) override {
        return w < 200 ? "C:\\Windows\\notepad.exe" : w < 300 ? "C:\\Windows\\REGEDIT.exe" : "services.exe";
    }
};

TEST(ElevationNotice, OncePerProgramOfAHigherLevel) {
    const std::string regedit = "Tovanix cannot send keys to REGEDIT.exe: it runs as administrator.";
    const std::string service = "Tovanix cannot send keys to services.exe: it runs as administrator.";
    const struct {
        const char* rule;
        std::optional<uint32_t> own;
        std::vector<WindowHandle> targets;
        std::vector<std::string> notices;
    } cases[] = {
        {"once per program of a higher level",
         0x2000,
         {100, 200, 201, 300, 200, 400},
         {"", regedit, "", service, "", ""}},
        {"Tovanix elevated as well", 0x3000, {200}, {""}},
        {"Tovanix's level unknown says nothing", std::nullopt, {200}, {""}},
    };
    for (const auto& c : cases) {
        FakeIntegrity query(c.own);
        ElevationNotice notice(query);
        std::vector<std::string> notices;
        for (WindowHandle target : c.targets) notices.push_back(notice.Check(target).value_or(""));
        EXPECT_EQ(notices, c.notices) << c.rule;
    }
}

}  // namespace
