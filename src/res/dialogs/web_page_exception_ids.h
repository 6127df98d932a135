// Resource and control ids of the web-page exception dialog (2007).
#pragma once

#define IDD_WEB_PAGE_EXCEPTION 2007
#define IDC_WEB_PAGE_URL 499
#define IDC_WEB_PAGE_ACCOUNTS 2036
