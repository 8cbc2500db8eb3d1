#pragma once
// Identifiers of the main window (shown only as the About window) and its tray menu.
#define IDD_ABOUT_CONTENT 101
#define IDC_ABOUT_PICTURE 1001
#define IDC_ABOUT_VERSION 1002
#define IDC_ABOUT_CREDIT 1003
#define IDC_ABOUT_SLOGAN 1004
#define IDC_OPEN_SETTINGS 1005

#define IDR_TRAY_MENU 200
#define IDM_TRAY_LAUNCH_NEW 40001
#define IDM_TRAY_ABOUT 40002
#define IDM_TRAY_EXIT 40003
#define IDM_TRAY_SITE_WINDOWS 40004

// The window class of the main window, so that it is found apart from message boxes.
#define QVX_MAIN_WINDOW_CLASS L"QuorvexMainWindow"
