// The program's file open and save dialog. On this platform it is the desktop's file
// chooser with the program's filters; it accepts whatever name the user confirms and
// leaves existence and overwrite checks to the commands that use it.
#pragma once

#include "FileDialog.h"

// Background pictures.
inline constexpr const char* kPictureFilter =
    "All (*.jpg; *.jpeg; *.gif; *.bmp; *.png; *.tif; *.tiff; *.ico)|*.jpg; *.jpeg; *.gif; *.bmp; *.png; "
    "*.tif; "
    "*.tiff; *.ico|JPEG Images(*.jpg; *.jpeg)|*.jpg;*.jpeg|Gif Images (*.gif)|*.gif|Bitmap Images "
    "(*.bmp)|*.bmp|PNG Images (*.png)|*.png|Tif Images (*.tif; *.tiff)|*.tif;*.tiff|Icon Images "
    "(*.ico)|*.ico|";
// Cover files.
inline constexpr const char* kCoverFileFilter = "Sleevora File (*.slv)|*.slv||";

class CFileDialogEx : public CFileDialog
{
public:
    using CFileDialog::CFileDialog;
};
