// The paper dimensions of the kind of case being designed, in inches, and how lengths
// become device pixels.
#pragma once

#include "CoverState.h"
#include "WinTypes.h"

struct CoverGeometry
{
    double dFrontWidth = 4.73;
    double dFrontHeight = 4.73;
    double dBackWidth = 5.92;
    double dBackHeight = 4.62;
    double dFrontLeft = 1.0; // page positions, from the printable area's origin
    double dFrontTop = 0.5;
    double dBackLeft = 1.0;
    double dBackTop = 5.48;
    double dFrontSpine = 0.25;
    double dBackSpine = 0.25;
    double dFlapWidth = 0.0; // the folded flap of a slimline CD insert
    // The two corner notches cut from the left edge of a slimline CD insert.
    static constexpr double kNotchWidth = 1.417;
    static constexpr double kNotchHeight = 0.0787;

    // Sets the dimensions of a kind of case. A custom case takes its four sizes from the
    // settings (tenths of a centimetre, times the single-precision 0.1) and keeps the page
    // positions it had.
    void SetForCoverType(CoverType type, DWORD dwCWF, DWORD dwCHF, DWORD dwCWB, DWORD dwCHB);
    // The dimensions of a kind of case where no settings are at hand (a printed page never
    // draws a custom size): a custom case gets the default sizes.
    static CoverGeometry ForCoverType(CoverType type);
};

// The application's geometry record, set by the main window when it opens.
CoverGeometry& TheGeometry();

// A length in pixels: trunc(ppi × inches).
int Pixels(int nPpi, double dInches);
// The far edge of a piece at an offset: trunc(ppi × offset + ppi × size), truncated once
// from the exact sum rather than added from two truncated values.
int PixelEdge(int nPpi, double dOffset, double dSize);
