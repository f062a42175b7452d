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
    // The user confirms several paths at once.
    void AnswerFileDialog(const std::vector<std::string>& paths);
    // The user sets up the printer (say, a PDF file) and prints; a null action cancels.
    using PrintAction = std::function<void(QPrinter&)>;
    void AnswerPrintDialog(PrintAction action);
    int PrintDialogsRun() const { return m_nPrintDialogs; }
    // The user picks this colour in the next colour dialog; a negative value cancels it.
    void AnswerColorDialog(long lColor);
    // The colour each colour dialog opened on.
    const std::vector<COLORREF>& ColorDialogsRun() const { return m_colorDialogs; }

    const std::vector<AskedQuestion>& Questions() const { return m_questions; }
    void ClearQuestions() { m_questions.clear(); }
    // Class names of the dialogs run, in order.
    const std::vector<std::string>& DialogsRun() const { return m_dialogs; }
    // What each file dialog was asked to show.
    struct FileDialogRequest
    {
        bool bOpen;
        std::vector<FilterPair> filters;
        std::string initialDir;
        QWidget* pParent; // the window it is centred on
        DWORD dwFlags;
    };
    const std::vector<FileDialogRequest>& FileDialogsRun() const { return m_fileDialogs; }
    bool AllAnswersUsed() const
    {
        return m_messageAnswers.empty() && m_dialogAnswers.empty() && m_fileAnswers.empty() &&
               m_printAnswers.empty() && m_colorAnswers.empty();
    }

    int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption,
                   UINT nType) override;
    int DoModal(CDialog& dialog) override;
    int FileDialog(CFileDialog& dialog) override;
    int PrintDialog(QPrinter& printer, QWidget* pParent) override;
    int ChooseColor(COLORREF* pColor, QWidget* pParent) override;

private:
    CModalHost* m_pPrevious;
    std::deque<int> m_messageAnswers;
    std::deque<DialogAction> m_dialogAnswers;
    std::vector<AskedQuestion> m_questions;
    std::vector<std::string> m_dialogs;
    std::deque<std::vector<std::string>> m_fileAnswers;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::deque<PrintAction> m_printAnswers;
    int m_nPrintDialogs = 0;
    std::deque<long> m_colorAnswers;
    std::vector<COLORREF> m_colorDialogs;
};
