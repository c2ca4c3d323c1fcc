#include "framework/CDataExchange.h"

#include "framework/AfxGlobals.h"
#include "framework/CUserException.h"
#include "framework/CWnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// A whole decimal number, blanks around it allowed; nothing else.
bool ParseInt(const CString& text, int& value)
{
    CString trimmed(text);
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    errno = 0;
    char* end = nullptr;
    long parsed = strtol(trimmed.GetString(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

CString ControlText(HWND hWnd)
{
    CString text;
    int length = ::GetWindowTextLengthA(hWnd);
    char* buffer = text.GetBuffer(length + 1);
    ::GetWindowTextA(hWnd, buffer, length + 1);
    text.ReleaseBuffer();
    return text;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWnd = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!hWnd)
        Fail();
    m_hWndLastControl = hWnd;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl)
        ::SetFocus(m_hWndLastControl);
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWnd))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWnd);
    else
        ::SetWindowTextA(hWnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        ::SetWindowTextA(hWnd, text);
        return;
    }
    if (!ParseInt(ControlText(hWnd), value)) {
        AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION | MB_OK);
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
        return;
    }
    int state = value >= BST_UNCHECKED && value <= BST_INDETERMINATE ? value : BST_UNCHECKED;
    ::SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}
