// A modal host for tests: answers message boxes and dialogs from a script, in order, and
// records every question asked (text, caption, style) and every dialog run.
#pragma once

#include "ModalHost.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct AskedQuestion
{
    std::string text;
    std::string caption;
    UINT nType;
};

class CScriptedModalHost : public CModalHost
{
public:
    using DialogAction = std::function<int(CDialog&)>;

    // Installs itself for the lifetime of the object.
    CScriptedModalHost();
    ~CScriptedModalHost() override;

    void AnswerMessageBox(int nResult);
    // A dialog run is initialised as in the program (OnInitDialog), then the action
    // plays the user's part and returns the code the dialog ends with.
    void AnswerDialog(DialogAction action);
    void AnswerDialog(int nResult);

    const std::vector<AskedQuestion>& Questions() const { return m_questions; }
    // Class names of the dialogs run, in order.
    const std::vector<std::string>& DialogsRun() const { return m_dialogs; }
    bool AllAnswersUsed() const { return m_messageAnswers.empty() && m_dialogAnswers.empty(); }

    int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType) override;
    int DoModal(CDialog& dialog) override;

private:
    CModalHost* m_pPrevious;
    std::deque<int> m_messageAnswers;
    std::deque<DialogAction> m_dialogAnswers;
    std::vector<AskedQuestion> m_questions;
    std::vector<std::string> m_dialogs;
};
