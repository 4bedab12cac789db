// Resource identifiers of the network receiver's settings dialog.
#pragma once

#define IDD_NETWORK 100
#define IDC_NETWORK_HOST 101
#define IDC_NETWORK_PORT 102
