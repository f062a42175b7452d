// The templates of the two text editing dialogs, and the properties the track listing's
// grid control is stored with inside its template.
#pragma once

#include "DialogTemplate.h"
#include "FlexGridProperties.h"

#include <string>

const DialogTemplate& TrackListTemplate(); // template 13
const DialogTemplate& CoverTextTemplate(); // template 191
// The track grid (control 1005 of template 13).
const FlexGridProperties& TrackGridProperties();
