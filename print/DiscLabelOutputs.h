// Every output a sheet of disc labels becomes: a PDF that keeps vectors (text as text, a
// JPEG as the file's own bytes), a PNG picture, and the sheet on a printer. Files are
// written whole or not at all, and the reason a file could not be made comes back, empty
// when it was.
#pragma once

#include "DiscLabelJob.h"

#include <string>

class QPrinter;

std::string WriteDiscLabelPdf(const std::string& strPath, const DiscLabelJob& job);
std::string WriteDiscLabelPng(const std::string& strPath, const DiscLabelJob& job, int nDpi);

// Readies a printer for a sheet: its paper, upright, drawn from the paper's corner.
void PrepareDiscLabelPrinter(QPrinter& printer, const DiscLabelSheet& sheet);
// The sheet on a printer the print dialog has set up; a printer set to print to a PDF file
// gets the file WriteDiscLabelPdf writes.
std::string PrintDiscLabelSheet(QPrinter& printer, const DiscLabelJob& job);
