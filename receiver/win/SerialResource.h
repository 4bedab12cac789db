// Resource identifiers of the serial receiver's settings dialog.
#pragma once

#define IDD_SERIAL 100
#define IDC_SERIAL_PORT 101
