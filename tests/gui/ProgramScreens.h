// What the program's windows look like to the tests: where their controls are (from the
// dialog templates, and the DVD layout's fixed columns), and what a preview must show for a
// cover (the renderers' own drawing of it, at the screen's resolution).
#pragma once

#include "CoverState.h"
#include "DialogTemplate.h"

#include <QImage>
#include <QRect>

// A control of a dialog in its client coordinates, from the template.
QRect TemplateControl(const DialogTemplate& dialogTemplate, int nId);
// A control of the main window laid out for a kind of case.
QRect MainWindowControl(CoverType type, int nId);
// The preview on screen for a kind of case and side, in the main window's coordinates.
QRect PreviewPlace(CoverType type, CoverSide side);

// A new cover of a kind as the main window resets it on a 96 dpi screen.
CoverState NewCover(CoverType type);
// The preview of one side of a cover, drawn by the renderers exactly as the main window
// has them draw it; on a screen scaled dScale, in its device pixels.
QImage ExpectedPreview(const CoverState& cover, CoverSide side, double dScale = 1.0);
