#pragma once
// Identifiers of the information form shown when the browser reuses its windows.
#define IDD_QuorvexAlert 300
#define IDC_QuorvexAlert_Text1 3001
#define IDC_QuorvexAlert_Check1 3002
