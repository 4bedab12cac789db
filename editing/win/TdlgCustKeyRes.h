// The key or typed-text dialog's resources (IDs from 2100).
#pragma once

#define IDD_CUSTKEY 2100
#define IDC_CUSTKEY_TXTCHAR 2101
#define IDC_CUSTKEY_CBCTRL 2102
#define IDC_CUSTKEY_CBALT 2103
#define IDC_CUSTKEY_CBSHIFT 2104
#define IDC_CUSTKEY_TXTTYPED 2105
