// The activate-group dialog's resources (IDs from 2500).
#pragma once

#define IDD_BGROUP 2500
#define IDC_BGROUP_CMBBGROUPS 2501
