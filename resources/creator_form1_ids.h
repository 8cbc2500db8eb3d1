#pragma once
// Identifiers of the creator window of QVXMulti.
#define IDD_CreatorForm1 100
#define IDC_Label1 1001
#define IDC_Text1 1002
#define IDC_VScroll1 1003
#define IDC_Label2 1004
#define IDC_Command1 1005
#define IDC_Command2 1006
#define IDC_List1 1007

// The window class of the creator window, so that it is found apart from its message boxes.
#define QVX_CREATOR_FORM1_CLASS L"QuorvexCreatorForm1"
#define QVX_CREATOR_FORM1_CLASS_A "QuorvexCreatorForm1"
