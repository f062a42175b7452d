// Saving a cover to a cover file and loading one back, without any window: the main window
// asks for the file names, shows the messages these functions hand back and redraws.
#pragma once

#include "CoverState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The message the main window shows, with an OK button and the exclamation icon, when a
// file holds no cover.
extern const char* const kInvalidCoverTitle; // "Invalid File"
extern const char* const kInvalidCoverText;
// The title of the messages below.
extern const char* const kCoverFileErrorTitle; // "Error"

struct CoverSaveResult
{
    // The file now holds the cover. When false nothing was written and a file that stood
    // under the name before is unchanged; the cover stays marked changed.
    bool bWritten = false;
    // Why nothing was written, naming the file and the reason; empty when written.
    std::string strError;
    // Picture files that could not be read: the cover was saved without them.
    std::vector<std::string> unreadablePictures;
    // One line per unreadable picture, naming it and why, for a message after a save that
    // wrote its file; empty when both pictures were read.
    std::string strWarning;
};

// Writes the cover and its two pictures to strPath (the name as the user confirmed it,
// ".slv" already added), replacing the file only once the whole new one is on disk. Nothing
// is written when a text of the cover or a picture's bytes would not read back the same.
CoverSaveResult WriteCoverFile(const std::string& strPath, const CoverState& cover);

enum class CoverLoadStatus
{
    Loaded,
    Missing,    // no file of that name: no message
    NotACover,  // no "[END]" before the first NUL byte, or no known kind of case: kInvalidCoverText
    Unreadable, // the file is there but could not be read: strError
};

struct CoverLoadResult
{
    CoverLoadStatus status = CoverLoadStatus::Missing;
    std::string strError;
    // The extracted pictures: folder + "/tmpfront" + extension and folder + "/tmpback" +
    // extension, written on every load, empty when the side has no picture. Set when loaded.
    std::string strFrontFile;
    std::string strBackFile;
    // Extracted picture files that could not be written; their sides have no picture.
    std::vector<std::string> unwritableFiles;
    // Sides whose picture the header names but whose section is cut off or broken: the cover
    // was loaded without that picture.
    std::vector<CoverSide> damagedPictures;
};

// Whether the bytes hold a cover this program opens: "[END]" before the first NUL byte,
// and a kind of case from 1 to 5 in the header.
bool IsCoverFile(std::string_view bytes);

// Reads a whole file into bytes and checks it with IsCoverFile, touching no cover: status
// Loaded means the bytes can go to ReadCoverBytes. A load that must not lose the cover on
// screen checks the file this way before the window lets go of it.
CoverLoadResult ReadCoverFileBytes(const std::string& strPath, std::string& bytes);

// The message for a load that found pictures cut off, naming the sides; empty when none was.
std::string DamagedPicturesMessage(const CoverLoadResult& result);

// Loads a cover file into a cover that the caller has just reset, extracting the pictures
// into strFolder and pointing the picture paths at them. Borders and spine switches keep the
// reset's values; coverChanged ends false. Storing the loaded cover type as the "Option"
// setting is left to the caller.
CoverLoadResult ReadCoverFile(const std::string& strPath, CoverState& cover, const std::string& strFolder);

// Writes an extracted picture's bytes to a file, true when all of them were written. The
// reader writes through one of these, so that its parse can be run without touching a disk.
using PictureWriter = std::function<bool(const std::string& strPath, std::string_view bytes)>;
bool WritePictureFile(const std::string& strPath, std::string_view bytes);

// The same over bytes already in memory (the file's whole content).
CoverLoadResult ReadCoverBytes(std::string_view bytes, CoverState& cover, const std::string& strFolder,
                               const PictureWriter& write = WritePictureFile);
