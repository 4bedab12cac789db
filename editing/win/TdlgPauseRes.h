// The pause dialog's resources (IDs from 2200).
#pragma once

#define IDD_PAUSE 2200
#define IDC_PAUSE_TXTPAUSE 2201
#define IDC_PAUSE_UDPAUSE 2202
