#include "FileDialog.h"

#include "ModalHost.h"

std::vector<FilterPair> ParseFilterPairs(const char* lpszFilter)
{
    std::vector<FilterPair> pairs;
    if (!lpszFilter)
        return pairs;
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = lpszFilter; *p; ++p) {
        if (*p == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    for (size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        pairs.emplace_back(parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string());
    }
    return pairs;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, QWidget* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strFileName(lpszFileName ? lpszFileName : ""), m_filters(ParseFilterPairs(lpszFilter)),
      m_pParentWnd(pParentWnd), m_dwFlags(dwFlags)
{
}

int CFileDialog::DoModal()
{
    m_strPathName.clear();
    m_paths.clear();
    return ModalHost().FileDialog(*this);
}

std::string CFileDialog::GetFileName() const
{
    const size_t slash = m_strPathName.find_last_of('/');
    return slash == std::string::npos ? m_strPathName : m_strPathName.substr(slash + 1);
}

std::string CFileDialog::GetFileExt() const
{
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
