// A modal host for tests: answers message boxes and dialogs from a script, in order, and
// records every question asked (text, caption, style) and every dialog run.
#pragma once

#include "FileDialog.h"
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
    // The user confirms this path in the next file dialog; an empty path cancels it.
    void AnswerFileDialog(const std::string& strPath);

    const std::vector<AskedQuestion>& Questions() const { return m_questions; }
    // Class names of the dialogs run, in order.
    const std::vector<std::string>& DialogsRun() const { return m_dialogs; }
    // What each file dialog was asked to show.
    struct FileDialogRequest
    {
        bool bOpen;
        std::vector<FilterPair> filters;
        std::string initialDir;
    };
    const std::vector<FileDialogRequest>& FileDialogsRun() const { return m_fileDialogs; }
    bool AllAnswersUsed() const
    {
        return m_messageAnswers.empty() && m_dialogAnswers.empty() && m_fileAnswers.empty();
    }

    int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType) override;
    int DoModal(CDialog& dialog) override;
    int FileDialog(CFileDialog& dialog) override;

private:
    CModalHost* m_pPrevious;
    std::deque<int> m_messageAnswers;
    std::deque<DialogAction> m_dialogAnswers;
    std::vector<AskedQuestion> m_questions;
    std::vector<std::string> m_dialogs;
    std::deque<std::string> m_fileAnswers;
    std::vector<FileDialogRequest> m_fileDialogs;
};
