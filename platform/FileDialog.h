// The class library's file open and save dialog: what to ask for (open or save, the
// filter of "description|pattern|" pairs, the initial folder) and, once DoModal returned
// IDOK, the chosen file. DoModal runs through the modal host, which shows a real file
// dialog or answers from a test's script.
#pragma once

#include "WinTypes.h"

#include <string>
#include <utility>
#include <vector>

class QWidget;

using FilterPair = std::pair<std::string, std::string>; // description, patterns ("*.jpg;*.jpeg")

// The pairs of a Windows filter string: the bars separate descriptions and patterns, and a
// pair with an empty description (the double bar at the end) ends the list.
std::vector<FilterPair> ParseFilterPairs(const char* lpszFilter);

class CFileDialog
{
public:
    CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                DWORD dwFlags = 0, const char* lpszFilter = nullptr, QWidget* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when the user confirmed a file, IDCANCEL otherwise.
    virtual int DoModal();

    std::string GetPathName() const { return m_strPathName; }
    // The name without its folder, and the extension without its dot.
    std::string GetFileName() const;
    std::string GetFileExt() const;

    bool IsOpenDialog() const { return m_bOpenFileDialog; }
    const std::vector<FilterPair>& Filters() const { return m_filters; }
    const std::string& DefaultExtension() const { return m_strDefExt; }
    const std::string& InitialFileName() const { return m_strFileName; }
    QWidget* Parent() const { return m_pParentWnd; }

    // The folder the dialog opens in (a file's path stands for its folder).
    std::string m_strInitialDir;

    // Set by the modal host when the user confirms a file.
    void SetPathName(const std::string& strPath) { m_strPathName = strPath; }

private:
    BOOL m_bOpenFileDialog;
    std::string m_strDefExt;
    std::string m_strFileName;
    std::vector<FilterPair> m_filters;
    QWidget* m_pParentWnd;
    std::string m_strPathName;
};
