// The one place that puts what became of reading a cover or writing one of its outputs into
// the user's words, for the program's message boxes and the export's one line alike.
#pragma once

#include "CoverFile.h"

#include <string>

struct UserMessage
{
    std::string strTitle; // the message box's title
    std::string strText;  // the message box's text
    std::string strLine;  // the same on one line, for a terminal
};

// Why a cover could not be read: a file that is not there, a folder, a file that holds no
// cover, or one that could not be read. Nothing to say for a cover that was loaded.
UserMessage CoverLoadMessage(const CoverLoadResult& result, const std::string& strPath);

// Why an output of a cover could not be written: the file's name and the reason.
UserMessage OutputWriteMessage(const std::string& strPath, const std::string& strReason);
