#include "EditTemplates.h"

#include "OwnerDrawButton.h"
#include "resource.h"

namespace {

constexpr DWORD kVisibleTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | kVisibleTab;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kLineEdit = ES_AUTOHSCROLL | WS_BORDER | kVisibleTab;
constexpr DWORD kTextEdit = ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_BORDER | kVisibleTab;

} // namespace

// The client sizes leave the same margin right and below the controls as on their left.
const DialogTemplate& TrackListTemplate()
{
    static const DialogTemplate dialog{
        IDD_TRACK_LIST,
        "Edit Cover Text/Track Listing",
        325,
        214,
        {
            {IDOK, ControlClass::Button, "OK", BS_DEFPUSHBUTTON | kVisibleTab, 260, 4, 58, 14},
            {IDCANCEL, ControlClass::Button, "Cancel", kPush, 260, 23, 58, 14},
            {IDC_TRACK_GRID, ControlClass::Custom, "", kVisibleTab, 7, 45, 247, 162},
            {IDC_INSERT_TRACK, ControlClass::Button, "Insert Track", kPush, 260, 52, 58, 14},
            {IDC_REMOVE_TRACK, ControlClass::Button, "Remove Track", kPush, 260, 69, 58, 14},
            {IDC_IMPORT_TRACKS, ControlClass::Button, "Import...", kPush, 260, 86, 58, 14},
            {IDC_SPINE_TEXT_LABEL, ControlClass::Static, "Spine Text:", kLabel, 7, 5, 37, 8},
            {IDC_SPINE_TEXT, ControlClass::Edit, "", kLineEdit, 7, 16, 247, 14},
            {IDC_TRACKS_LABEL, ControlClass::Static, "Tracks:", kLabel, 7, 34, 25, 8},
        }};
    return dialog;
}

const DialogTemplate& CoverTextTemplate()
{
    static const DialogTemplate dialog{
        IDD_COVER_TEXT,
        "Cover Text",
        383,
        186,
        {
            {IDC_SPINE_TEXT_LABEL, ControlClass::Static, "Spine Text:", kLabel, 3, 2, 37, 8},
            {IDC_SPINE_TEXT, ControlClass::Edit, "", kLineEdit, 71, 2, 247, 14},
            {IDC_FRONT_TITLE_LABEL, ControlClass::Static, "Front Cover Title:", kLabel, 3, 23, 55, 8},
            {IDC_FRONT_TITLE, ControlClass::Edit, "", kLineEdit, 71, 23, 247, 14},
            {IDC_FRONT_TEXT_LABEL, ControlClass::Static, "Front Cover Text:", kLabel, 3, 39, 56, 8},
            {IDC_FRONT_TEXT, ControlClass::Edit, "", kTextEdit, 71, 39, 247, 61},
            {IDC_BACK_TITLE_LABEL, ControlClass::Static, "Back Cover Title:", kLabel, 3, 106, 56, 8},
            {IDC_BACK_TITLE, ControlClass::Edit, "", kLineEdit, 71, 106, 247, 14},
            {IDC_BACK_TEXT_LABEL, ControlClass::Static, "Back Cover Text:", kLabel, 3, 122, 56, 8},
            {IDC_BACK_TEXT, ControlClass::Edit, "", kTextEdit, 71, 121, 247, 61},
            // Neither button is the default: the dialog has none.
            {IDC_COVER_TEXT_OK, ControlClass::Button, "OK", kPush, 321, 2, 58, 14},
            {IDCANCEL, ControlClass::Button, "Cancel", kPush, 321, 22, 58, 14},
        }};
    return dialog;
}

const FlexGridProperties& TrackGridProperties()
{
    // Arial 8.25 points, normal weight, Western character set.
    static const FlexGridProperties grid{9, 4, 1, 1, {"Arial", 82500, 400, 0, false, false, false}};
    return grid;
}
