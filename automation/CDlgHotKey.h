#pragma once
// The "Hot Key" page: the monitor to work on and a key combination for each
// hot-key function it offers. Every accepted combination is stored at once
// in the monitor's registry subkey; the main window registers the keys when
// the settings window is hidden again. "Apply to the same models" copies a
// monitor's bindings to the other monitors of its model code.
#include "automation/HotKeyBinding.h"
#include "controls/CHyperLink.h"
#include "device/CHIDMonitor.h"
#include "device/CRegistry.h"
#include "framework/Afx.h"

class CMonitorStatus;

class CDlgHotKey : public CDialog, public CHIDMonitor, public CRegistry
{
public:
    explicit CDlgHotKey(CWnd* pParent = nullptr);
    ~CDlgHotKey() override;

    // The monitor list; the current monitor, or null when there is none.
    CMonitorStatus* FillMonitorList();
    void ShowHotKeys();
    // The write rule of the "VKey" and "Mod" values; a null monitor is ignored.
    void SaveHotKeys(CMonitorStatus* pMonitor);
    void CopyHotKeysToSameModels();

    CComboBox m_comboMonitor;
    CStatic m_staticLabel[HotKeyControlCount];
    CHotKeyCtrl m_hotKey[HotKeyControlCount];
    CString m_strLabel[HotKeyControlCount];
    CButton m_checkSameModels;
    CHyperLink m_link;
    CBrush m_brBackground;
    CSize m_sizeBackground;
    BOOL m_bPageVisible;
    // The monitor whose bindings the controls show, by its serial: edits
    // and same-model copies act on it, never on whichever is current then.
    bool m_bMonitorShown = false;
    CString m_strShownSerial;
    // The control shows only a held modifier: nothing is decided yet.
    bool m_bModifierOnly[HotKeyControlCount] = {};

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnCbnSelchangeMonitor();
    void OnBnClickedApplySameModels();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    LRESULT OnPageRefresh(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    CMonitorStatus* ShownMonitor() const;
    void EditHotKey(HWND control);
    void LeaveHotKey(HWND control);
    int ControlIndexOf(HWND control) const;
    bool IsHeldByOtherControl(int control, HotKeyBinding binding) const;
    void ClearControl(int control);
    INT_PTR WarnAboutF12();
    void HideAllControls();
    void SetSameModels(bool checked);

    DECLARE_MESSAGE_MAP()
};
