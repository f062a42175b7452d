#pragma once

// (number × numerator) / denominator with a 64-bit intermediate, rounded half away
// from zero as Windows rounds it. A zero denominator, or a result outside the 32-bit
// range, gives -1, as on Windows.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
