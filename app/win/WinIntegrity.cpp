#include "app/win/WinIntegrity.h"

#include <windows.h>

#include <vector>

#include "core/win/Scoped.h"
#include "display/win/WinWindowQueries.h"

namespace {

// The last relative identifier of the token's mandatory label.
std::optional<uint32_t> LevelOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    const UniqueHandle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return std::nullopt;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1U);
}

}  // namespace

std::optional<uint32_t> WinIntegrity::OwnLevel() {
    if (!own_) own_ = LevelOfProcess(GetCurrentProcess());
    return own_;
}

std::optional<uint32_t> WinIntegrity::LevelOf(WindowHandle window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(ToHwnd(window), &processId);
    if (processId == 0) return std::nullopt;
    if (last_ && last_->window == window && last_->processId == processId) return last_->level;
    // Limited information is granted for elevated processes too.
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return std::nullopt;
    const std::optional<uint32_t> level = LevelOfProcess(process.get());
    last_ = LastLevel{window, processId, level};
    return level;
}
