#include "framework/CFileDialog.h"

#include "framework/AfxGlobals.h"
#include "framework/CWnd.h"
#include "framework/Seams.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CObject)

namespace {

const size_t kFileNameRoom = 4096;

// "a|*.dat||" becomes "a\0*.dat\0\0": the separators are found by character,
// so a double-byte character whose trail byte is '|' stays whole.
std::string SystemFilter(LPCSTR filter)
{
    CString text(filter);
    text.Replace('|', '\0');
    std::string result = text.str();
    result.push_back('\0');
    return result;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize, BOOL bVistaStyle)
    : m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd), m_strDefExt(lpszDefExt),
      m_fileName(kFileNameRoom, '\0')
{
    (void)dwSize;
    (void)bVistaStyle;
    if (lpszFileName)
        strncpy(m_fileName.data(), lpszFileName, kFileNameRoom - 1);
    if (lpszFilter && *lpszFilter)
        m_filter = SystemFilter(lpszFilter);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(kFileNameRoom);
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.GetString();
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner) {
        CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
        m_ofn.hwndOwner = owner ? ::GetAncestor(owner->m_hWnd, GA_ROOT) : nullptr;
    }
    // A caller may have pointed lpstrFile elsewhere; the result is read from there.
    if (m_ofn.lpstrFile == m_fileName.data())
        m_ofn.nMaxFile = static_cast<DWORD>(kFileNameRoom);
    return Seams::FileDialog(m_ofn, m_bOpenFileDialog) ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int slash = path.ReverseFind('\\');
    return path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}
