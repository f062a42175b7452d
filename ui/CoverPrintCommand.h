// The main window's printing: the Print command and the printer's alignment.
#pragma once

#include "CoverState.h"

#include <string>

class QWidget;

// Prints the cover on one sheet at real size, through the print dialog; pWindow is the
// window the dialog and messages belong to, and its screen the one the font heights are in.
// A cover with a file of its own (strCoverPath) is printed under its name: "Print to File"
// proposes NAME.pdf beside it.
void PrintCover(QWidget* pWindow, const CoverState& cover, const std::string& strCoverPath = {});
// Prints a sheet of disc labels through the print dialog, on the sheet's paper with the
// printer's alignment applied; false when the user cancelled or the job could not be made.
bool PrintDiscLabels(QWidget* pWindow, const struct DiscLabelJob& job, const std::string& strCoverPath);
// The printer's alignment, measured on a test sheet.
void AlignPrinter(QWidget* pWindow);
