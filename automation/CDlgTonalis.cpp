#include "automation/CDlgTonalis.h"

#include "res/resource.h"
#include "shell/PageKeyboard.h"

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

BOOL CDlgTonalis::PreTranslateMessage(MSG* pMsg)
{
    return PageKeyboard::PreTranslateMessage(*this, pMsg, IDC_CHECK_AUTO_COLOR);
}
