#include "PrinterAlignment.h"

#include "CoverSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int32_t kOffsetLimit = 100; // tenths of a millimetre: 10 mm either way
constexpr int32_t kScaleLow = 9500;   // hundredths of a percent: 95 %
constexpr int32_t kScaleHigh = 10500; // 105 %

double Offset(DWORD dwStored)
{
    return std::clamp(static_cast<int32_t>(dwStored), -kOffsetLimit, kOffsetLimit) / 10.0;
}

double Scale(DWORD dwStored)
{
    return std::clamp(static_cast<int32_t>(dwStored), kScaleLow, kScaleHigh) / 10000.0;
}

DWORD Stored(double dValue, double dUnitsPerValue, int32_t nLow, int32_t nHigh)
{
    const auto units = static_cast<int32_t>(std::lround(dValue * dUnitsPerValue));
    return static_cast<DWORD>(std::clamp(units, nLow, nHigh));
}

} // namespace

CPrinterAlignment::CPrinterAlignment() : CRegistryValues(HKEY_LOCAL_MACHINE, kSettingsKey)
{
    LoadValues();
}

double CPrinterAlignment::OffsetXMm() const
{
    return Offset(m_dwOffsetX);
}

double CPrinterAlignment::OffsetYMm() const
{
    return Offset(m_dwOffsetY);
}

double CPrinterAlignment::ScaleX() const
{
    return Scale(m_dwScaleX);
}

double CPrinterAlignment::ScaleY() const
{
    return Scale(m_dwScaleY);
}

void CPrinterAlignment::Set(double dOffsetXMm, double dOffsetYMm, double dScaleXPercent,
                            double dScaleYPercent)
{
    m_dwOffsetX = Stored(dOffsetXMm, 10, -kOffsetLimit, kOffsetLimit);
    m_dwOffsetY = Stored(dOffsetYMm, 10, -kOffsetLimit, kOffsetLimit);
    m_dwScaleX = Stored(dScaleXPercent, 100, kScaleLow, kScaleHigh);
    m_dwScaleY = Stored(dScaleYPercent, 100, kScaleLow, kScaleHigh);
}

void CPrinterAlignment::Exchange(bool bSave)
{
    ExchangeDword(bSave, "dwPrintOffsetX", m_dwOffsetX);
    ExchangeDword(bSave, "dwPrintOffsetY", m_dwOffsetY);
    ExchangeDword(bSave, "dwPrintScaleX", m_dwScaleX);
    ExchangeDword(bSave, "dwPrintScaleY", m_dwScaleY);
}
