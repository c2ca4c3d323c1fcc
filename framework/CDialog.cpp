#include "framework/CDialog.h"

#include "framework/AfxGlobals.h"
#include "framework/CUserException.h"
#include "framework/CWinApp.h"
#include "framework/Seams.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// The dialog's own procedure only runs OnInitDialog; every other message
// reaches the object through its subclassed window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (!pDialog)
        return TRUE;
    try {
        return pDialog->HandleInitDialog();
    } catch (...) {
        AfxReportCurrentException();
        return TRUE;
    }
}

CDialog::CDialog() : CDialog(0, nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_nModalResult(-1), m_bModal(false), m_bEnded(false)
{
}

HWND CDialog::CreateFromTemplate(HWND hWndParent)
{
    AfxInitCommonControls();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hWndParent,
                                     AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(pParentWnd ? pParentWnd->m_hWnd : nullptr) != nullptr;
}

HWND CDialog::OwnerForModal() const
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main && main != this ? main->m_hWnd : nullptr;
    }
    // Only a top-level window can own a dialog (and be disabled for it).
    if (owner)
        owner = ::GetAncestor(owner, GA_ROOT);
    return owner && ::IsWindow(owner) ? owner : nullptr;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    HWND owner = OwnerForModal();
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    m_bModal = true;
    m_bEnded = false;
    m_nModalResult = -1;
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    if (!CreateFromTemplate(owner)) {
        EndModal(owner, ownerWasEnabled);
        return -1;
    }
    Seams::ModalDialogReady(*this);
    if (!m_bEnded && m_hWnd && !::IsWindowVisible(m_hWnd))
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    RunModalLoop();
    EndModal(owner, ownerWasEnabled);
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    while (!m_bEnded && m_hWnd) {
        MSG msg{};
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave this loop and let the outer one see it too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            return;
        }
        if (got == -1)
            return;
        AfxProcessMessage(msg);
    }
}

void CDialog::EndModal(HWND hWndOwner, bool ownerWasEnabled)
{
    m_bModal = false;
    // The owner is enabled and activated before the dialog goes, so that the
    // activation does not pass to another program meanwhile.
    if (ownerWasEnabled && ::IsWindow(hWndOwner))
        ::EnableWindow(hWndOwner, TRUE);
    if (m_hWnd && hWndOwner && ::GetActiveWindow() == m_hWnd && ::IsWindowVisible(hWndOwner))
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd)
        DestroyWindow();
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bModal) {
        m_bEnded = true;
        if (m_hWnd)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, nResult);
    }
}

// A modal dialog that did not move itself while it initialised is centred
// on its owner; one that did keeps the place it chose.
BOOL CDialog::HandleInitDialog()
{
    CRect before;
    GetWindowRect(&before);
    const BOOL result = OnInitDialog();
    if (m_bModal && m_hWnd) {
        CRect after;
        GetWindowRect(&after);
        if (after.TopLeft() == before.TopLeft())
            CenterWindow();
    }
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* pDX)
{
    (void)pDX;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl && pWndCtrl->m_hWnd)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}
