#pragma once
// Identifiers of the creator window of QVXMulti.
#define IDD_CREATOR 100
#define IDC_CREATE_LABEL 1001
#define IDC_INSTANCE_COUNT 1002
#define IDC_INSTANCE_COUNT_SCROLL 1003
#define IDC_INSTANCES_LABEL 1004
#define IDC_CREATE 1005
#define IDC_UPDATE_ALL 1006
#define IDC_REPORT 1007

// The window class of the creator window, so that it is found apart from its message boxes.
#define QVX_CREATOR_WINDOW_CLASS L"QuorvexCreatorWindow"
#define QVX_CREATOR_WINDOW_CLASS_A "QuorvexCreatorWindow"
