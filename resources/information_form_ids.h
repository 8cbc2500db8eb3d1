#pragma once
// Identifiers of the information form shown when the browser reuses its windows.
#define IDD_INFORMATION_FORM 300
#define IDC_INFORMATION_TEXT 3001
#define IDC_DONT_SHOW_AGAIN 3002
