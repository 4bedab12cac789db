// Resource identifiers of the Windows remotes (HID) receiver's settings dialog.
#pragma once

#define IDD_HID 300
#define IDC_HID_ALLREMOTES 301
#define IDC_HID_DEVICES 302
