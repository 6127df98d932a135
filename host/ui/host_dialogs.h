// The host's own dialog templates (host.rc) and their control ids.
#pragma once
#define IDD_SETUP_WINDOW 100
#define IDC_SETUP_TREE 1001
#define IDC_SETUP_CAPTION 1002
#define IDC_SETUP_PAGE_AREA 1003
#define IDD_PASSWORD_PROMPT 101
#define IDC_PASSWORD_TEXT 1011
