// "Printer Alignment": how far the user's printer moves and stretches what it prints, as
// measured on the test sheet it prints from here. OK stores the four numbers beside the
// other settings; Cancel changes nothing. Print and (with --calibrated) sleevora-export
// apply them to every piece.
#pragma once

#include "CoverSheet.h"
#include "Dialog.h"

class QDoubleSpinBox;

class CPrinterAlignmentDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CPrinterAlignmentDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // Prints the test sheet with the numbers now in the dialog, through the print dialog.
    void OnPrintTestSheet();

    // The numbers as the dialog shows them.
    PrintCalibration Calibration() const;
    QDoubleSpinBox* OffsetXBox() const { return m_pOffsetX; }
    QDoubleSpinBox* OffsetYBox() const { return m_pOffsetY; }
    QDoubleSpinBox* ScaleXBox() const { return m_pScaleX; }
    QDoubleSpinBox* ScaleYBox() const { return m_pScaleY; }

private:
    QDoubleSpinBox* m_pOffsetX = nullptr;
    QDoubleSpinBox* m_pOffsetY = nullptr;
    QDoubleSpinBox* m_pScaleX = nullptr;
    QDoubleSpinBox* m_pScaleY = nullptr;
};
