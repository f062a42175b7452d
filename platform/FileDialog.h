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

// Flags of an open dialog: several files may be chosen at once; and, the program's own, a
// folder may be chosen as well (confirming a selected folder chooses it, a double click
// still opens it).
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_EX_FOLDERTOO = 0x80000000;

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
    // Every file chosen (one unless OFN_ALLOWMULTISELECT allowed several).
    const std::vector<std::string>& GetPathNames() const { return m_paths; }
    DWORD GetFlags() const { return m_dwFlags; }
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

    // Set by the modal host when the user confirms a file, or several.
    void SetPathNames(const std::vector<std::string>& paths)
    {
        m_paths = paths;
        m_strPathName = paths.empty() ? std::string() : paths.front();
    }

private:
    BOOL m_bOpenFileDialog;
    std::string m_strDefExt;
    std::string m_strFileName;
    std::vector<FilterPair> m_filters;
    QWidget* m_pParentWnd;
    DWORD m_dwFlags;
    std::string m_strPathName;
    std::vector<std::string> m_paths;
};
