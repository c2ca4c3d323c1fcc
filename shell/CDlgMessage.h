#pragma once
// The program's own message box: one line of text beside the information or
// the warning icon, with an OK button, written in the system's message font
// and sized to the measured text. While it is open its window is published
// in theApp, so that the main window can end it at once (result 255).
#include "device/CHIDMonitor.h"
#include "framework/Afx.h"

class CDlgMessage : public CDialog, public CHIDMonitor
{
    DECLARE_DYNAMIC(CDlgMessage)
public:
    // A null parent lets the program's main window own the box.
    explicit CDlgMessage(CWnd* pParent = nullptr);
    ~CDlgMessage() override;

    // Both before DoModal.
    void SetWarningIcon(BOOL bWarning);
    void SetMessageText(CString strText);

    // Text beside the icon on one line, the window just wide enough for it,
    // the OK button in the middle.
    void AdjustLayout();

    CStatic m_staticIcon;
    CStatic m_staticText;
    CString m_strText;
    CButton m_btnOK;
    BOOL m_bWarning;
    CFont m_font;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    void OnDestroy();

private:
    void UseMessageFont();
    CRect ItemRect(const CWnd& item) const;

    DECLARE_MESSAGE_MAP()
};
