// The run-macro dialog's resources (IDs from 2400).
#pragma once

#define IDD_RUNMACRO 2400
#define IDC_RUNMACRO_CMBMACROS 2401
