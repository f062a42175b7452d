// "Create A New Cover": asks which kind of case to design and stores the choice as the
// setting "Option", which the main window reads when it opens.
#pragma once

#include "Dialog.h"

#include <QRadioButton>
#include <vector>

class QButtonGroup;

class CNewCoverDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CNewCoverDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    QRadioButton* ChoiceButton(int nId) const;

private:
    struct Choice
    {
        int nId;
        int nCoverType;
        QRadioButton* pButton;
    };
    void AddChoice(int nId, int nCoverType, const char* text);

    QButtonGroup* m_pChoices = nullptr;
    std::vector<Choice> m_choices;
};
