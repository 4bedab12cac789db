#include "receiver/ServerStatus.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ServerAddress, PutsAnIPv6AddressInBrackets) {
    EXPECT_EQ(ServerAddress("127.0.0.1", "8765"), "127.0.0.1:8765");
    EXPECT_EQ(ServerAddress("mediapc.local", "9000"), "mediapc.local:9000");
    EXPECT_EQ(ServerAddress("::1", "8765"), "[::1]:8765");
}

// The texts told over a run of attempts: 'x' failed, 'c' connected.
std::vector<std::string> Told(const std::string& attempts) {
    ServerStatus status("127.0.0.1:8765");
    std::vector<std::string> told;
    for (char attempt : attempts) {
        const std::optional<std::string> text = attempt == 'x' ? status.Unreachable() : status.Connected();
        if (text) told.push_back(*text);
    }
    return told;
}

TEST(ServerStatus, TellsEachLossOnceAndTheReturnAfterIt) {
    const std::string lost = "Tovanix cannot reach the IR receiver server at 127.0.0.1:8765.";
    const std::string back = "Tovanix is connected to the IR receiver server at 127.0.0.1:8765 again.";
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Told("xxxxx"), (Texts{lost}));
    EXPECT_EQ(Told("cccc"), Texts{}) << "a server reached at once is nothing to tell";
    EXPECT_EQ(Told("xxxcxxc"), (Texts{lost, back, lost, back}));
    EXPECT_EQ(Told("cxccx"), (Texts{lost, back, lost}));
}

}  // namespace
