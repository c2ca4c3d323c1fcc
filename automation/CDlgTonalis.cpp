#include "automation/CDlgTonalis.h"

#include "res/resource.h"

CDlgTonalis::CDlgTonalis(CWnd* pParent) : CDialog(IDD_AUTO_COLOR, pParent)
{
}

// Enter and Esc do not close a page.
void CDlgTonalis::OnOK()
{
}

void CDlgTonalis::OnCancel()
{
}
