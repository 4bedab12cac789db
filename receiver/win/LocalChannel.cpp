#include "receiver/win/LocalChannel.h"

#include <sddl.h>

#include <memory>
#include <vector>

#include "core/win/Scoped.h"

namespace {

std::string CurrentUserSid() {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return "";
    const UniqueHandle token(opened);
    std::string sid;
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<char> buffer(size);
    char* text = nullptr;
    if (size && GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    return sid;
}

}  // namespace

std::string LocalPipeName() {
    const std::string sid = CurrentUserSid();
    return sid.empty() ? "" : "\\\\.\\pipe\\Tovanix.receiver." + sid;
}

HANDLE CreateLocalPipe(const std::string& name, bool first) {
    // Full access for the current user only; nobody else may even connect.
    const std::string sddl = "D:P(A;;GA;;;" + CurrentUserSid() + ")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        return INVALID_HANDLE_VALUE;
    SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
    // The first instance: a pipe of that name made by someone else is refused.
    const DWORD mode =
        PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    HANDLE pipe = CreateNamedPipeA(
        name.c_str(), mode, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
        kLocalPipeInstances, 0, 4096, 0, &security);
    LocalFree(descriptor);
    return pipe;
}
