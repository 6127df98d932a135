// Dialog 2006, the account form: template and control ids.
#pragma once
#define IDD_ACCOUNT_FORM 2006
#define IDC_ACCOUNT_GROUP 2018
#define IDC_ACCOUNT_NAME 2017
#define IDC_ACCOUNT_CHOOSE 3
#define IDC_ACCOUNT_AGE 2033
#define IDC_ACCOUNT_AGE_SPIN 2034
#define IDC_ACCOUNT_COPY 2001
#define IDC_ACCOUNT_ROLE_LABEL 2019
#define IDC_ACCOUNT_ROLE 2016
