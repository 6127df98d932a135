#pragma once
// Resource identifiers of the picker stand-in's dialog and texts.
#define IDD_PICKER 100
#define IDC_PICKER_PROMPT 1001
#define IDC_PICKER_LIST 1002
#define IDS_PICKER_PROMPT 100  // %1: the computer's name
#define IDS_PICKER_NAME 101
#define IDS_PICKER_TYPE 102
#define IDS_PICKER_ADMINISTRATOR 103
#define IDS_PICKER_GUEST 104
#define IDS_PICKER_STANDARD 105
