#include "automation/CDlgHotKey.h"

#include "res/resource.h"
#include "shell/PageKeyboard.h"

CDlgHotKey::CDlgHotKey(CWnd* pParent) : CDialog(IDD_HOT_KEY, pParent)
{
}

// Enter and Esc do not close a page.
void CDlgHotKey::OnOK()
{
}

void CDlgHotKey::OnCancel()
{
}

BOOL CDlgHotKey::PreTranslateMessage(MSG* pMsg)
{
    return PageKeyboard::PreTranslateMessage(*this, pMsg, IDC_COMBO_MONITOR);
}
