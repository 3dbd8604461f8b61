// Identifiers shared by the resource script and the code.
#ifndef TERVALO_RES_RESOURCE_H
#define TERVALO_RES_RESOURCE_H

// Dialogs and their controls
#define IDD_ABOUT_BOX       103
#define IDC_ABOUT_ICON      2

// Menu commands
#define IDM_HELP_ABOUT      104
#define IDM_FILE_EXIT       105

// Strings
#define IDS_HEADING         106
#define IDS_WINDOW_CLASS    109

// Icons
#define IDI_APP_ICON        107

// Menu and accelerator table
#define IDR_MAIN_MENU       109
#define IDR_MAIN_ACCEL      109

// Controls of the main window's form, and their commands
#define IDC_QUIT_BUTTON     111
#define IDC_CALC_BUTTON     112
#define IDC_CLEAR_BUTTON    113
#define IDC_PROMPT_LABEL    114
#define IDC_NUMBER_EDIT     115
#define IDC_KEY_LABEL       116
#define IDC_KEY_EDIT        117

#endif
