// Dialog 2005, the Categories setup page: template and control ids.
#pragma once
#define IDD_CATEGORIES_PAGE 2005
#define IDC_CATEGORIES_ACCOUNT_LABEL 2021
#define IDC_CATEGORIES_ACCOUNT 2022
#define IDC_CATEGORIES_GROUP 2020
#define IDC_CATEGORIES_TREE 2016
