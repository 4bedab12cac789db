// The send-message dialog's resources (IDs from 2600).
#pragma once

#define IDD_SENDMESSAGE 2600
#define IDC_SENDMESSAGE_TXTMESSAGE 2601
#define IDC_SENDMESSAGE_TXTWPARAM 2602
#define IDC_SENDMESSAGE_TXTLPARAM 2603
