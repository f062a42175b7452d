// The font dialog of the Font command: face, style, size, underline, strike-out and a
// text colour from the sixteen basic colours, with a sample. It opens on a LOGFONT and a
// colour and returns the LOGFONT of the choice (its height in the screen's pixels), the
// point size in tenths and the colour.
#pragma once

#include "Dialog.h"

#include <QFont>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

class CFontDialog : public CDialog
{
    Q_OBJECT

public:
    // nLogPixelsY is the screen's resolution, in which the font heights are given.
    CFontDialog(const LOGFONT& lfInitial, COLORREF crInitial, int nLogPixelsY, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    void GetCurrentFont(LOGFONT* plf) const { *plf = m_lf; }
    int GetSize() const { return m_nPointSize; } // tenths of a point
    COLORREF GetColor() const { return m_crColor; }

    // The controls, for tests that play the user's part.
    QListWidget* FaceList() const { return m_pFaces; }
    QListWidget* StyleList() const { return m_pStyles; }
    QLineEdit* SizeEdit() const { return m_pSize; }
    QCheckBox* StrikeOutBox() const { return m_pStrikeOut; }
    QCheckBox* UnderlineBox() const { return m_pUnderline; }
    QComboBox* ColorBox() const { return m_pColors; }

private:
    void BuildControls();
    void ShowInitialChoice();
    void UpdateSample();
    QFont ChosenQFont() const;
    bool ReadSize(double* pPoints) const;

    LOGFONT m_lf;
    COLORREF m_crColor;
    int m_nLogPixelsY;
    int m_nPointSize = 0;
    QListWidget* m_pFaces = nullptr;
    QListWidget* m_pStyles = nullptr;
    QLineEdit* m_pSize = nullptr;
    QListWidget* m_pSizes = nullptr;
    QCheckBox* m_pStrikeOut = nullptr;
    QCheckBox* m_pUnderline = nullptr;
    QComboBox* m_pColors = nullptr;
    QLabel* m_pSample = nullptr;
};
