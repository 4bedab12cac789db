// The dialog that the dialog base's tests open.
#pragma once

#define IDD_PROBE 1000
#define IDC_PROBE_EDIT 1001
#define IDC_PROBE_BUTTON 1002
