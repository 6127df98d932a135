// Dialog 2000, the General setup page: template and control ids.
#pragma once
#define IDD_GENERAL_PAGE 2000
#define IDC_GENERAL_INTEGRATE 2002
