#pragma once
// Identifiers of the settings dialog HotkeysForm, named after its controls. Five names are
// shared with the main window's dialog (form1_ids.h); they carry the same numbers there, so
// both headers can be included together.
#define IDD_HotkeysForm 400

#define IDC_Picture1 1001
#define IDC_Label1 1002
#define IDC_Label2 1003
#define IDC_Label3 1004
#define IDC_Command4 1005

#define IDC_Frame1 1101
#define IDC_Frame2 1102
#define IDC_Frame3 1103
#define IDC_Frame4 1104
#define IDC_Frame5 1105
#define IDC_Label4 1114
#define IDC_Label5 1115
#define IDC_Text1 1121
#define IDC_Text2 1122
#define IDC_Text3 1123
#define IDC_Text4 1124
#define IDC_VScroll1 1131
#define IDC_Check1 1141
#define IDC_Check2 1142
#define IDC_Check3 1143
#define IDC_Check4 1144
#define IDC_ccrpHotKey1 1151
#define IDC_ccrpHotKey2 1152
#define IDC_Command1 1161
#define IDC_Command2 1162
#define IDC_Command3 1163
