#pragma once
// Identifiers of the main window (the About window) and its tray menu.
#define IDD_Form1 100
#define IDC_Picture1 1001
#define IDC_Label1 1002
#define IDC_Label2 1003
#define IDC_Label3 1004
#define IDC_Command4 1005

#define IDR_mnuTrayOptions 200
#define IDM_mnuZOLTEOpen 40001
#define IDM_mnuAbout 40002
#define IDM_mnuExit 40003

// The window class of the main window, so that it is found apart from message boxes.
#define QVX_FORM1_CLASS L"QuorvexForm1"
#define QVX_FORM1_CLASS_A "QuorvexForm1"
