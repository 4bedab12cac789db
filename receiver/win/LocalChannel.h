// The local channel between the sender tool and the local receiver: a named
// pipe per user, which only that user can open and which refuses clients
// from other machines.
#pragma once

#include <windows.h>

#include <string>

// \\.\pipe\Tovanix.receiver.<the current user's SID>, or "" when the user
// cannot be determined.
std::string LocalPipeName();

// How many senders the receiver serves at once.
constexpr int kLocalPipeInstances = 4;

// The receiver's end: an overlapped byte-mode pipe instance. The first one
// fails when another receiver of this user already listens.
HANDLE CreateLocalPipe(const std::string& name, bool first);
