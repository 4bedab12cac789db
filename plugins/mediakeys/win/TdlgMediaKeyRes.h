// The media-key dialog's resources.
#pragma once

#define IDD_MEDIAKEY 100
#define IDC_MEDIAKEY_LIST 101
