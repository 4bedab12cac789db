// What the test target program and the tests that drive it agree on.
#pragma once

constexpr const char* kTargetWindowClass = "TovanixTargetWindow";
constexpr int kTargetEditID = 1001;
constexpr int kTargetButtonID = 1002;
constexpr int kTargetLogID = 1003;
