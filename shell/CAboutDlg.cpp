#include "shell/CAboutDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ABOUT_NOTICE, m_strNotice);
    DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brBackground.CreateSolidBrush(RGB(0, 0, 0));
    m_btnOK.Attach(IDOK, this);
    m_btnOK.SetFaceColor(RGB(0, 0, 0));
    m_btnOK.SetTextColor(RGB(255, 255, 255));
    m_strVersion.LoadString(IDS_VERSION);
    m_strNotice.LoadString(IDS_NOTICE);
    UpdateData(FALSE);
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(RGB(255, 255, 255));
    pDC->SetBkMode(TRANSPARENT);
    return m_brBackground;
}
