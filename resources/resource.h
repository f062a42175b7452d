// Resource and control identifiers of the program's windows, with their original numbers.
// Control ids are unique within their dialog; different dialogs reuse numbers.
#pragma once

// Dialog templates.
constexpr int IDD_MAIN = 9;
constexpr int IDD_TRACK_LIST = 13;
constexpr int IDD_ABOUT = 100;
constexpr int IDD_NEW_COVER = 102;
constexpr int IDD_COVER_TEXT = 191;

// Icons.
constexpr int IDI_APPLICATION_ICON = 15;
constexpr int IDI_CHOOSE_IMAGE = 168;
constexpr int IDI_CLEAR_IMAGE = 169;
constexpr int IDI_PRINT = 170;
constexpr int IDI_EXIT = 171;
constexpr int IDI_CONTINUE = 172;
constexpr int IDI_CHOOSE_COLOR = 173;
constexpr int IDI_TRACK_LISTING = 174;
constexpr int IDI_FONT = 175;
constexpr int IDI_CHECKED = 177;
constexpr int IDI_UNCHECKED = 180;
constexpr int IDI_HELP = 185;
constexpr int IDI_START_OVER = 188;

// Bitmaps and cursors.
constexpr int IDB_LOGO = 155;
constexpr int IDB_SAVE = 205;
constexpr int IDB_LOAD = 206;
constexpr int IDC_HAND_CURSOR = 104;

// Strings and commands.
constexpr int IDM_ABOUTBOX = 16;
constexpr int IDC_STATIC = -1;

// Main window (template 9).
constexpr int IDC_EXIT = 2; // IDCANCEL
constexpr int IDC_WEB_LINK = 4;
constexpr int IDC_CD_FRONT_PREVIEW = 1004;
constexpr int IDC_CD_BACK_PREVIEW = 1005;
constexpr int IDC_DVD_PREVIEW = 1006;
constexpr int IDC_CHOOSE_IMAGE = 1007;
constexpr int IDC_CLEAR_IMAGE = 1008;
constexpr int IDC_EXTEND_IMAGE = 1009;
constexpr int IDC_SLIMLINE_PREVIEW = 1010;
constexpr int IDC_CHOOSE_COLOR = 1011;
constexpr int IDC_TRACK_LISTING = 1012;
constexpr int IDC_FONT = 1013;
constexpr int IDC_HELP_BUTTON = 1014;
constexpr int IDC_VIEW_FRONT = 1015;
constexpr int IDC_VIEW_BACK = 1016;
constexpr int IDC_VERSION_NOTICE = 1017;
constexpr int IDC_START_OVER = 1018;
constexpr int IDC_SAVE = 1019;
constexpr int IDC_LOAD = 1020;
constexpr int IDC_PREVIEW_BACKGROUND = 1038;
constexpr int IDC_IMAGE_FRAME = 1039;
constexpr int IDC_HELP_FRAME = 1040;
constexpr int IDC_PRINT_FRAME = 1041;
constexpr int IDC_RIGHT_COLUMN_WIDTH = 1042;
constexpr int IDC_PRINT = 32771;

// New Cover dialog (template 102).
constexpr int IDC_CONTINUE = 1; // IDOK
constexpr int IDC_STANDARD_CD = 1023;
constexpr int IDC_STANDARD_DVD = 1024;
constexpr int IDC_OTHER_SIZE = 1025;
constexpr int IDC_FRONT_HEIGHT = 1026;
constexpr int IDC_FRONT_WIDTH = 1027;
constexpr int IDC_BACK_HEIGHT = 1028;
constexpr int IDC_BACK_WIDTH = 1029;
constexpr int IDC_HEIGHT_LABEL = 1030;
constexpr int IDC_WIDTH_LABEL = 1031;
constexpr int IDC_BACK_COVER_LABEL = 1032;
constexpr int IDC_FRONT_COVER_LABEL = 1033;
constexpr int IDC_NEW_COVER_PROMPT = 1034;
constexpr int IDC_SLIMLINE_CD = 1035;
constexpr int IDC_OTHER_SIZE_GROUP = 1036;
constexpr int IDC_SLIMLINE_DVD = 1037;

// Track listing dialog (template 13).
constexpr int IDC_REMOVE_TRACK = 1002;
constexpr int IDC_INSERT_TRACK = 1003;
constexpr int IDC_IMPORT_TRACKS = 1004; // the importer of tracks from music files, under Remove Track
constexpr int IDC_TRACK_GRID = 1005;
constexpr int IDC_SPINE_TEXT = 1018;
constexpr int IDC_SPINE_TEXT_LABEL = 1037;
constexpr int IDC_TRACKS_LABEL = 1038;

// Cover text dialog (template 191).
constexpr int IDC_FRONT_TITLE = 1019;
constexpr int IDC_BACK_TITLE = 1020;
constexpr int IDC_FRONT_TEXT = 1021;
constexpr int IDC_BACK_TEXT = 1023;
constexpr int IDC_FRONT_TITLE_LABEL = 1038;
constexpr int IDC_BACK_TITLE_LABEL = 1039;
constexpr int IDC_FRONT_TEXT_LABEL = 1040;
constexpr int IDC_BACK_TEXT_LABEL = 1041;
constexpr int IDC_COVER_TEXT_OK = 1042;
