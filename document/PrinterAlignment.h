// How far the user's printer is off, as measured on the test sheet: stored beside "Option"
// under the same key. Offsets are tenths of a millimetre (signed, -100 to 100), scales
// hundredths of a percent (9500 to 10500); absent values give the uncorrected print.
#pragma once

#include "RegistryValues.h"

class CPrinterAlignment : public CRegistryValues
{
public:
    CPrinterAlignment();

    DWORD m_dwOffsetX = 0;    // "dwPrintOffsetX": tenths of a millimetre, as a signed value
    DWORD m_dwOffsetY = 0;    // "dwPrintOffsetY"
    DWORD m_dwScaleX = 10000; // "dwPrintScaleX": hundredths of a percent
    DWORD m_dwScaleY = 10000; // "dwPrintScaleY"

    // The values in the user's units, each kept within its range.
    double OffsetXMm() const;
    double OffsetYMm() const;
    double ScaleX() const; // a factor: 1.0 for 100 %
    double ScaleY() const;
    void Set(double dOffsetXMm, double dOffsetYMm, double dScaleXPercent, double dScaleYPercent);

protected:
    void Exchange(bool bSave) override;
};
