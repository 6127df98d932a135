// Dialog 2002, the Accounts setup page: template and control ids.
#pragma once
#define IDD_ACCOUNTS_PAGE 2002
#define IDC_ACCOUNTS_GROUP 2012
#define IDC_ACCOUNTS_LIST 2007
#define IDC_ACCOUNTS_ADD 2004
#define IDC_ACCOUNTS_REMOVE 2005
#define IDC_ACCOUNTS_EDIT 2006
