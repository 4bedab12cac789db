// The learnt-command viewer's resources.
#pragma once

#define IDD_SHOWLEARN 1000
#define IDC_SHOWLEARN_LBLCOMMANDS 1001
#define IDC_SHOWLEARN_MEMO1 1002
