// Printing a cover file without a display: its page as a PDF, or as a PNG picture of the
// whole A4 sheet, drawn by the same code as the program's printing.
#pragma once

#include <string>

struct ExportRequest
{
    std::string strCoverPath;
    std::string strOutputPath;
    int nDpi = 300; // pixels per inch of a PNG; a PDF is drawn at 600
    // Pictures in a PDF kept exactly (Flate) rather than JPEG-compressed.
    bool bLosslessPictures = false;
};

// Writes the output. On failure nothing is left behind under the output name and the
// reason is returned as one line for the user; an empty string means success.
std::string ExportCover(const ExportRequest& request);
