// Resource and control ids of the account setup dialog (2023).
#pragma once

#define IDD_ACCOUNT_SETUP 2023
#define IDC_SETUP_AGE 2033
#define IDC_SETUP_AGE_SPIN 2034
#define IDC_SETUP_ROLE_LABEL 2039
#define IDC_SETUP_ROLE 2019
