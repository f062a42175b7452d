// Resource and control identifiers of the program's windows, with their original numbers.
#pragma once

// Dialog templates.
constexpr int IDD_MAIN = 9;
constexpr int IDD_NEW_COVER = 102;

// New Cover dialog controls.
constexpr int IDC_NEW_COVER_PROMPT = 1034;
constexpr int IDC_STANDARD_CD = 1023;
constexpr int IDC_STANDARD_DVD = 1024;
constexpr int IDC_OTHER_SIZE = 1025;
constexpr int IDC_SLIMLINE_CD = 1035;
constexpr int IDC_SLIMLINE_DVD = 1037;

// Main window controls.
constexpr int IDC_START_OVER = 1018;
