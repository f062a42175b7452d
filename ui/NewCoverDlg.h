// "Create A New Cover": asks which kind of case to design. Its only output is the stored
// setting "Option" (and, for a custom case, the four sizes), which the main window reads
// when it opens; closing it without Continue leaves the stored kind in force.
#pragma once

#include "Dialog.h"
#include "GdiObjects.h"

#include <QFont>
#include <array>

class CHoverButton;
class CTransparentStatic;
class QAbstractButton;
class QLineEdit;

class CNewCoverDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CNewCoverDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    QAbstractButton* ChoiceButton(int nId) const;
    QLineEdit* SizeEdit(int nId) const;
    CHoverButton* ContinueButton() const { return m_pContinue; }

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void MakeCheckedChoiceTheTabStop();
    void MoveChoiceByArrow(int nFromId, int nStep);
    void CreateFonts();
    void ShowStoredChoice(DWORD dwOption);
    void OnChoiceClicked(int nId);
    void BoldenChoice(int nId);
    void EnableSizeFields(bool bEnable);
    bool ReadSizes(DWORD* pValues);

    CHoverButton* m_pContinue = nullptr;
    CTransparentStatic* m_pPrompt = nullptr;
    std::array<CTransparentStatic*, 4> m_sizeLabels{};
    QFont m_regularFont;
    QFont m_boldFont;
};

// A size text in centimetres to tenths of a centimetre: digits and at most one point;
// everything after the first decimal is dropped ("12.55" is 125, ".5" is 5, "" is 0).
// False for any other text, and for a value beyond 32 bits.
bool ParseSizeTenths(const std::string& strText, DWORD* pTenths);
