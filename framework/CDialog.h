#pragma once
// A dialog from a template of the program's resources, modeless (Create) or
// modal (DoModal). A modal dialog runs its own message loop; its owner (the
// explicit parent's top-level window, else the application's main window
// when there is one, shown or hidden) is disabled while it runs. It opens
// centred on its owner (CWnd::CenterWindow) unless OnInitDialog moved it.
#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog
    // cannot be created or a WM_QUIT ended the loop (the WM_QUIT is posted
    // again for the loop outside).
    virtual INT_PTR DoModal();
    // Ends a modal dialog when its loop next looks (the last value given
    // before that wins); hides a modeless one.
    void EndDialog(int nResult);
    BOOL IsModal() const { return m_bModal; }
    // The result a modal dialog ends with once its loop looks; -1 while
    // nothing ended it yet. A handler that waited for the user can see
    // whether the dialog was ended meanwhile.
    int GetEndResult() const { return m_bModal && m_bEnded ? m_nModalResult : -1; }

    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

private:
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

    HWND CreateFromTemplate(HWND hWndParent);
    BOOL HandleInitDialog();
    HWND OwnerForModal() const;
    void RunModalLoop();
    void EndModal(HWND hWndOwner, bool ownerWasEnabled);

    int m_nModalResult;
    bool m_bModal;
    bool m_bEnded;

    DECLARE_MESSAGE_MAP()
};

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
