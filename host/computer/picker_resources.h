#pragma once
// Resource identifiers of the picker stand-in's dialog.
#define IDD_PICKER 100
#define IDC_PICKER_PROMPT 1001
#define IDC_PICKER_LIST 1002
