#pragma once
// The About box: the application icon, the version and the notice line,
// white on black, with a skinned OK button.
#include "controls/CButtonEx.h"
#include "framework/Afx.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    CString m_strNotice;
    CString m_strVersion;
    CBrush m_brBackground;
    CButtonEx m_btnOK;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};
