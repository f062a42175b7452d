// "Cover Text": the five plain texts of a DVD cover (front and back title and text, and
// the spine text) edited at once. Enter never closes it; in the two text boxes Enter
// starts a new line, and their lines come back separated by CR LF.
#pragma once

#include "Dialog.h"

#include <map>
#include <string>

class QLineEdit;
class QPlainTextEdit;

class CCoverTextDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CCoverTextDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOkButton();

    QLineEdit* LineBox(int nId) const;      // spine text, front title, back title
    QPlainTextEdit* TextBox(int nId) const; // front text, back text

    std::string m_strSpine;      // backCoverSpineText
    std::string m_strBackText;   // bCoverText
    std::string m_strFrontText;  // fCoverText
    std::string m_strBackTitle;  // bCoverTitle
    std::string m_strFrontTitle; // fCoverTitle

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ModifyStyle(QPlainTextEdit* pBox, DWORD dwAdd);
    bool PreTranslateMessage(QObject* pTarget, const QEvent* pEvent) const;
    void Show(QWidget* pBox, const std::string& strText);
    std::string Taken(QWidget* pBox) const;

    std::map<const QObject*, DWORD> m_textBoxStyles; // styles added to the text boxes
    // What each box was given, and what it showed for it: a box the user did not change
    // gives back the text it was given, byte for byte.
    std::map<const QWidget*, std::pair<std::string, QString>> m_shown;
};
