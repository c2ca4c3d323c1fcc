#pragma once
// The system's open or save dialog. The filter comes in the framework's form,
// display texts and patterns separated by '|' and ended by "||"
// ("Data File(*.dat)|*.dat||"); m_ofn can be adjusted before DoModal (the
// initial folder, for one). The dialog runs through the file-dialog seam.
#include "framework/CObject.h"
#include "framework/CString.h"

#include <commdlg.h>

#include <vector>

class CWnd;

class CFileDialog : public CObject
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // dwSize and bVistaStyle are accepted for compatibility; the dialog is
    // the system's explorer-style one either way.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    OPENFILENAMEA m_ofn;

    // IDOK when the user chose a file, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    CString m_strDefExt;
    std::string m_filter;
    std::vector<char> m_fileName;
};
