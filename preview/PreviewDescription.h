// What a screen reader is told about a preview: its name says which side of the cover it
// shows, its description what is on it (the kind of case, the picture's file name or the
// background colour, and the first line of its text).
#pragma once

#include "CoverState.h"

#include <QString>

class CDvdCoverRenderer;
class CListingCoverRenderer;

// "Back cover preview" or "Front cover preview" for a standard CD's sides.
QString PreviewName(CoverSide side);
// The name of the one-piece insert's preview (DVD and slimline CD cases).
QString InsertPreviewName();

// The description of a preview filled for a cover of this kind: a side with a track listing
// names its first track, a DVD insert its first line of text (front panel before back).
QString DescribePreview(CoverType type, const CListingCoverRenderer& renderer);
QString DescribePreview(CoverType type, const CDvdCoverRenderer& renderer);
