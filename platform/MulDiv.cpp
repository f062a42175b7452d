#include "MulDiv.h"

#include <cstdint>
#include <limits>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
    const bool negative = (product < 0) != (nDenominator < 0);
    const uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    const uint64_t divisor =
        nDenominator < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(nDenominator)) : nDenominator;
    const uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > static_cast<uint64_t>(std::numeric_limits<int>::max()))
        return -1;
    return negative ? -static_cast<int>(rounded) : static_cast<int>(rounded);
}
