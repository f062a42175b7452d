#include "ScriptedModalHost.h"

#include "Dialog.h"

#include <gtest/gtest.h>

CScriptedModalHost::CScriptedModalHost() : m_pPrevious(SetModalHost(this))
{
}

CScriptedModalHost::~CScriptedModalHost()
{
    SetModalHost(m_pPrevious);
}

void CScriptedModalHost::AnswerMessageBox(int nResult)
{
    m_messageAnswers.push_back(nResult);
}

void CScriptedModalHost::AnswerDialog(DialogAction action)
{
    m_dialogAnswers.push_back(std::move(action));
}

void CScriptedModalHost::AnswerDialog(int nResult)
{
    m_dialogAnswers.push_back([nResult](CDialog&) { return nResult; });
}

int CScriptedModalHost::MessageBox(QWidget*, const std::string& text, const std::string& caption, UINT nType)
{
    m_questions.push_back({text, caption, nType});
    if (m_messageAnswers.empty()) {
        ADD_FAILURE() << "unexpected question \"" << text << "\" titled \"" << caption << "\"";
        return IDCANCEL;
    }
    const int answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

int CScriptedModalHost::DoModal(CDialog& dialog)
{
    m_dialogs.emplace_back(dialog.metaObject()->className());
    dialog.OnInitDialog();
    if (m_dialogAnswers.empty()) {
        ADD_FAILURE() << "unexpected dialog " << m_dialogs.back();
        return IDCANCEL;
    }
    DialogAction action = std::move(m_dialogAnswers.front());
    m_dialogAnswers.pop_front();
    return action(dialog);
}

void CScriptedModalHost::AnswerFileDialog(const std::string& strPath)
{
    m_fileAnswers.push_back(strPath.empty() ? std::vector<std::string>() : std::vector<std::string>{strPath});
}

void CScriptedModalHost::AnswerFileDialog(const std::vector<std::string>& paths)
{
    m_fileAnswers.push_back(paths);
}

int CScriptedModalHost::FileDialog(CFileDialog& dialog)
{
    m_fileDialogs.push_back({dialog.IsOpenDialog() != 0, dialog.Filters(), dialog.m_strInitialDir,
                             dialog.Parent(), dialog.GetFlags()});
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return IDCANCEL;
    }
    const std::vector<std::string> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (answer.empty())
        return IDCANCEL;
    dialog.SetPathNames(answer);
    return IDOK;
}

void CScriptedModalHost::AnswerPrintDialog(PrintAction action)
{
    m_printAnswers.push_back(std::move(action));
}

int CScriptedModalHost::PrintDialog(QPrinter& printer, QWidget*)
{
    ++m_nPrintDialogs;
    if (m_printAnswers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return IDCANCEL;
    }
    const PrintAction action = std::move(m_printAnswers.front());
    m_printAnswers.pop_front();
    if (!action)
        return IDCANCEL;
    action(printer);
    return IDOK;
}

void CScriptedModalHost::AnswerColorDialog(long lColor)
{
    m_colorAnswers.push_back(lColor);
}

int CScriptedModalHost::ChooseColor(COLORREF* pColor, QWidget*)
{
    m_colorDialogs.push_back(*pColor);
    if (m_colorAnswers.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return IDCANCEL;
    }
    const long answer = m_colorAnswers.front();
    m_colorAnswers.pop_front();
    if (answer < 0)
        return IDCANCEL;
    *pColor = static_cast<COLORREF>(answer);
    return IDOK;
}
