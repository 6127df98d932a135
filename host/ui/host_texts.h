// The host's own texts (ui/host_windows.en.rc2, ui/host_windows.de.rc2): string ids.
#pragma once
#define IDS_MAIN_CAPTION 200      // %1: the status page's title
#define IDS_ADVANCED_SETUP 201
#define IDS_MENU_ENABLE 202
#define IDS_MENU_DISABLE 203
#define IDS_HELP_CAPTION 204
#define IDS_HELP_TOOLTIP 205
#define IDS_PASSWORDS_DIFFER 206
#define IDS_PRODUCT_NAME 207       // the dialog header's logo text
#define IDS_LOG_TIME 210
#define IDS_LOG_ACCOUNT 211
#define IDS_LOG_ADDRESS 212
#define IDS_LOG_CATEGORY 213
#define IDS_LOG_VERDICT 214
#define IDS_LOG_BLOCKED 215
#define IDS_LOG_ALLOWED 216
#define IDS_LOG_EMPTY 217
#define IDS_LOG_SUMMARY 218       // %1 visits, %2 blocked, %3 allowed
