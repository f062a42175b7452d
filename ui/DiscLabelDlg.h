// "Print Disc Label": the disc's own label made from the cover, printed on a label sheet, a
// printable disc or a layout of the user's own. The dialog shows the sheet at true
// proportions with the labels that will print; Print opens the system's print dialog on the
// sheet's paper and prints them with the printer alignment applied. The choices are kept
// beside the other settings for the next time.
#pragma once

#include "Dialog.h"
#include "DiscLabelJob.h"

#include <string>

class CDiscSheetPreview;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

class CDiscLabelDlg : public CDialog
{
    Q_OBJECT

public:
    CDiscLabelDlg(const CoverState& cover, const std::string& strCoverPath, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    // Print: stores the choices and prints; the dialog closes once the labels are printed.
    void OnOK() override;

    // The sheet and job as the dialog shows them now.
    DiscLabelSheet Sheet() const;
    DiscLabelJob Job() const;
    // What keeps the labels from printing, as the dialog says it; empty when they can.
    QString Fault() const;

    QComboBox* SheetBox() const { return m_pSheet; }
    QCheckBox* PositionBox(int nPosition) const { return nPosition == 1 ? m_pUpper : m_pLower; }
    QCheckBox* CutGuideBox() const { return m_pCutGuide; }
    QDoubleSpinBox* OuterBox() const { return m_pOuter; }
    QDoubleSpinBox* HubBox() const { return m_pHub; }
    CDiscSheetPreview* Preview() const { return m_pPreview; }

private:
    QLayout* MakeChoices();
    void OnSheetChosen();
    void ShowSheet(const DiscLabelSheet& sheet, bool bEditable, bool bCustom);
    void KeepEdits();
    void Refresh();
    void Store() const;

    const CoverState& m_cover;
    std::string m_strCoverPath;
    DiscLabelSheet m_printable;
    DiscLabelSheet m_custom;
    bool m_bShowing = false;    // the fields are being filled, not edited
    bool m_bLowerWanted = true; // the lower label's box as the user left it on a sheet of two
    QComboBox* m_pSheet = nullptr;
    QComboBox* m_pPaper = nullptr;
    QDoubleSpinBox* m_pOuter = nullptr;
    QDoubleSpinBox* m_pHub = nullptr;
    QDoubleSpinBox* m_pCentre[4] = {};
    QCheckBox* m_pUpper = nullptr;
    QCheckBox* m_pLower = nullptr;
    QCheckBox* m_pCutGuide = nullptr;
    QLabel* m_pNote = nullptr;
    CDiscSheetPreview* m_pPreview = nullptr;
};

// The line under the preview for what a label's texts could not show; empty when all fit.
QString DiscLabelFitNote(const TextFit& fit);
