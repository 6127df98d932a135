// The host's own dialog templates (ui/host_dialogs.rc) and their control ids.
#pragma once
#define IDD_SETUP_WINDOW 100
#define IDC_SETUP_TREE 1001
#define IDC_SETUP_CAPTION 1002
#define IDC_SETUP_PAGE_AREA 1003
#define IDD_PASSWORD_PROMPT 101
#define IDC_PASSWORD_TEXT 1011
#define IDD_PASSWORD_SET 102
#define IDC_PASSWORD_NEW 1021
#define IDC_PASSWORD_CONFIRM 1022
#define IDC_PASSWORD_MESSAGE 1023
#define IDD_LOG_WINDOW 103
#define IDC_LOG_LIST 1031
#define IDC_LOG_SUMMARY 1032
