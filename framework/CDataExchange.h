#pragma once
// Dialog data exchange: DoDataExchange runs the DDX_ calls in one direction,
// controls to members (saving) or members to controls.
#include "framework/CString.h"
#include "framework/WinTypes.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The dialog's control nIDC; a missing control fails the exchange.
    HWND PrepareCtrl(int nIDC);
    // Puts the focus back on the control last exchanged and ends the exchange
    // (UpdateData then returns FALSE).
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
};

// Binds the control to the member object (subclassing it) on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A text that is not a whole number is refused with a message and fails the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
