#include "CoverGeometry.h"

#include "CoverSettings.h"

namespace {

// A stored size in tenths of a centimetre, scaled in single precision as it always was.
double TenthsTimesPointOne(DWORD dwTenths)
{
    return static_cast<double>(static_cast<float>(dwTenths) * 0.1f);
}

} // namespace

void CoverGeometry::SetForCoverType(CoverType type, DWORD dwCWF, DWORD dwCHF, DWORD dwCWB, DWORD dwCHB)
{
    switch (type) {
    case StandardCD:
        *this = CoverGeometry{4.735, 4.735, 5.925, 4.625, 1.0, 0.5, 1.0, 5.48, 0.0, 0.25, dFlapWidth};
        break;
    case StandardDVD:
        *this = CoverGeometry{0.0, 0.0, 10.72, 7.2, 0.0, 0.0, 0.25, 0.25, 0.0, 0.54, dFlapWidth};
        break;
    case SlimlineCD:
        *this = CoverGeometry{0.0,  0.0,  6.1417322772, 4.7637795227, 0.0,         0.0,
                              0.25, 0.25, 0.0,          0.1181102361, 0.5905511805};
        break;
    case SlimlineDVD:
        *this = CoverGeometry{0.0, 0.0, 10.551, 7.2, 0.0, 0.0, 0.25, 0.25, 0.0, 0.275, dFlapWidth};
        break;
    case CustomSize:
        dFrontWidth = TenthsTimesPointOne(dwCWF);
        dFrontHeight = TenthsTimesPointOne(dwCHF);
        dBackWidth = TenthsTimesPointOne(dwCWB);
        dBackHeight = TenthsTimesPointOne(dwCHB);
        dFrontSpine = 0.0;
        dBackSpine = 0.0;
        break;
    default:
        break;
    }
}

CoverGeometry CoverGeometry::ForCoverType(CoverType type)
{
    CoverGeometry geometry;
    geometry.SetForCoverType(type, kDefaultCustomFrontWidth, kDefaultCustomFrontHeight,
                             kDefaultCustomBackWidth, kDefaultCustomBackHeight);
    return geometry;
}

CoverGeometry& TheGeometry()
{
    static CoverGeometry geometry;
    return geometry;
}

int Pixels(int nPpi, double dInches)
{
    return static_cast<int>(nPpi * dInches);
}

int PixelEdge(int nPpi, double dOffset, double dSize)
{
    return static_cast<int>(nPpi * dOffset + nPpi * dSize);
}
