#include "DialogTemplates.h"

#include "OwnerDrawButton.h"
#include "resource.h"

namespace {

constexpr DWORD kVisibleTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | kVisibleTab;
constexpr DWORD kViewButton = BS_AUTOCHECKBOX | BS_PUSHLIKE | kVisibleTab;
constexpr DWORD kFrame = SS_BLACKFRAME | WS_VISIBLE;
constexpr DWORD kSizeEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_DISABLED;
constexpr DWORD kSizeLabel = SS_RIGHT | WS_DISABLED;
constexpr DWORD kChoice = BS_AUTORADIOBUTTON | WS_GROUP | WS_VISIBLE;

} // namespace

const DialogTemplate& MainWindowTemplate()
{
    static const DialogTemplate dialog{
        IDD_MAIN,
        "Sleevora",
        444,
        265,
        {
            {IDC_EXIT, ControlClass::Button, "E&xit", kPush, 372, 205, 52, 31},
            {IDC_CHOOSE_IMAGE, ControlClass::Button, "Choose &Image", kPush, 356, 51, 40, 39},
            {IDC_CLEAR_IMAGE, ControlClass::Button, "Cl&ear Image", kPush, 356, 51, 39, 39},
            {IDC_EXTEND_IMAGE, ControlClass::Button, "Extend image over spines?",
             BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_MULTILINE | BS_CENTER | WS_TABSTOP, 362, 140, 72, 18},
            {IDC_PRINT, ControlClass::Button, "&Print", kPush, 372, 171, 52, 31},
            {IDC_CHOOSE_COLOR, ControlClass::Button, "Choose &Color", kPush, 399, 51, 40, 39},
            {IDC_TRACK_LISTING, ControlClass::Button, "&Track Listing", kPush, 356, 92, 40, 39},
            {IDC_FONT, ControlClass::Button, "&Font", kPush, 399, 92, 40, 39},
            {IDC_IMAGE_FRAME, ControlClass::Static, "", kFrame, 352, 49, 89, 84},
            {IDC_VIEW_FRONT, ControlClass::Button, "VIEW FRONT COVER", kViewButton, 162, 5, 101, 16},
            {IDC_VIEW_BACK, ControlClass::Button, "VIEW BACK COVER", kViewButton, 55, 5, 101, 16},
            {IDC_PRINT_FRAME, ControlClass::Static, "", kFrame, 368, 167, 59, 72},
            {IDC_VERSION_NOTICE, ControlClass::Static, "", SS_RIGHT | WS_VISIBLE, 146, 243, 295, 17},
            {IDC_WEB_LINK, ControlClass::Button, "", kPush | BS_LEFT, 4, 249, 142, 11},
            {IDC_HELP_BUTTON, ControlClass::Button, "&Help", kPush, 375, 8, 44, 32},
            {IDC_START_OVER, ControlClass::Button, "Start &Over", kPush, 8, 47, 40, 34},
            {IDC_HELP_FRAME, ControlClass::Static, "", kFrame, 369, 5, 56, 38},
            {IDC_STATIC, ControlClass::Static, nullptr, SS_BITMAP | WS_VISIBLE, 8, 5, 46, 39, IDB_LOGO},
            {IDC_PREVIEW_BACKGROUND, ControlClass::Static, "", SS_GRAYRECT | WS_VISIBLE, 56, 22, 291, 218},
            {IDC_DVD_PREVIEW, ControlClass::Custom, "", WS_VISIBLE, 56, 23, 338, 193},
            {IDC_CD_FRONT_PREVIEW, ControlClass::Custom, "", WS_VISIBLE, 78, 24, 240, 214},
            {IDC_CD_BACK_PREVIEW, ControlClass::Custom, "", WS_VISIBLE, 57, 24, 287, 214},
            {IDC_RIGHT_COLUMN_WIDTH, ControlClass::Static, "", SS_GRAYRECT, 349, 13, 93, 85},
            {IDC_SLIMLINE_PREVIEW, ControlClass::Custom, "", 0, 58, 23, 292, 201},
            {IDC_SAVE, ControlClass::Button, "&Save", kPush, 8, 117, 40, 34},
            {IDC_LOAD, ControlClass::Button, "&Load", kPush, 8, 82, 40, 34},
        }};
    return dialog;
}

const DialogTemplate& NewCoverTemplate()
{
    static const DialogTemplate dialog{
        IDD_NEW_COVER,
        "Create A New Cover",
        214,
        110,
        {
            {IDC_CONTINUE, ControlClass::Button, "Continue", kPush, 153, 74, 57, 34},
            {IDC_NEW_COVER_PROMPT, ControlClass::Static,
             "Please choose the type of cover you would like to create:", SS_LEFT | WS_VISIBLE, 56, 7, 126,
             20},
            {IDC_STATIC, ControlClass::Static, nullptr, SS_BITMAP | WS_VISIBLE, 4, 5, 46, 39, IDB_LOGO},
            {IDC_STANDARD_CD, ControlClass::Button, "Standard CD Case", kChoice, 59, 28, 95, 10},
            {IDC_STANDARD_DVD, ControlClass::Button, "Standard DVD Case", kChoice, 59, 60, 106, 10},
            {IDC_OTHER_SIZE, ControlClass::Button, "Other:", BS_AUTORADIOBUTTON | WS_GROUP, 7, 94, 46, 10},
            {IDC_HEIGHT_LABEL, ControlClass::Static, "Height (cm):", kSizeLabel, 7, 66, 43, 8},
            {IDC_WIDTH_LABEL, ControlClass::Static, "Width (cm):", kSizeLabel, 6, 57, 41, 8},
            {IDC_BACK_COVER_LABEL, ControlClass::Static, "Back Cover:", kSizeLabel, 14, 68, 45, 8},
            {IDC_FRONT_COVER_LABEL, ControlClass::Static, "Front Cover:", kSizeLabel, 9, 77, 44, 8},
            {IDC_FRONT_HEIGHT, ControlClass::Edit, "", kSizeEdit, 19, 66, 31, 14},
            {IDC_FRONT_WIDTH, ControlClass::Edit, "", kSizeEdit, 19, 78, 31, 14},
            {IDC_BACK_HEIGHT, ControlClass::Edit, "", kSizeEdit, 17, 67, 31, 14},
            {IDC_BACK_WIDTH, ControlClass::Edit, "", kSizeEdit, 18, 66, 31, 14},
            {IDC_OTHER_SIZE_GROUP, ControlClass::Button, "", BS_GROUPBOX, 0, 57, 55, 35},
            {IDC_SLIMLINE_CD, ControlClass::Button, "Slimline CD Case", kChoice, 59, 44, 95, 10},
            {IDC_SLIMLINE_DVD, ControlClass::Button, "Slimline DVD Case", kChoice, 59, 76, 106, 10},
        }};
    return dialog;
}

const DialogTemplate& AboutTemplate()
{
    static const DialogTemplate dialog{
        IDD_ABOUT,
        "About Sleevora",
        235,
        99,
        {
            {IDC_STATIC, ControlClass::Static, nullptr, SS_ICON | WS_VISIBLE, 11, 17, 20, 20,
             IDI_APPLICATION_ICON},
            {IDC_STATIC, ControlClass::Static, "Sleevora Version 1.0", SS_NOPREFIX | WS_VISIBLE, 40, 10, 119,
             8},
            {IDC_STATIC, ControlClass::Static, "\xC2\xA9 2026 Quorvane. All rights reserved.", WS_VISIBLE, 40,
             25, 150, 16},
            {IDOK, ControlClass::Button, "OK", BS_DEFPUSHBUTTON | WS_GROUP | kVisibleTab, 178, 7, 50, 14},
            {IDC_STATIC, ControlClass::Static,
             "This software uses the FreeImage open source image library (freeimage.sourceforge.io). Its "
             "licence is "
             "in the file 'freeimage-license.txt' in the installation folder.",
             WS_VISIBLE, 40, 46, 188, 37},
            {IDC_STATIC, ControlClass::Static, "Thanks to everyone who tried the early versions.", WS_VISIBLE,
             40, 83, 180, 8},
        }};
    return dialog;
}
