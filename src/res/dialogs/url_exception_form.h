// Dialog 2009, the URL exception form: template and control ids.
#pragma once
#define IDD_URL_EXCEPTION_FORM 2009
#define IDC_URL_EXCEPTION_GROUP 2018
#define IDC_URL_EXCEPTION_URL 2030
#define IDC_URL_EXCEPTION_STATE 2031
