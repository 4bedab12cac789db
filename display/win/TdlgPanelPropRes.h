// The panel properties dialog's resources (IDs from 1550).
#pragma once

#define IDD_PANELPROP 1550
#define IDC_PANELPROP_TXTPIC 1551
#define IDC_PANELPROP_BTNBROWSE 1552
