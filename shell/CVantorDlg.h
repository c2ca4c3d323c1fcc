#pragma once
// The main window. Hidden most of the time, it owns the tray icon and the
// global hot keys and hears every system notification; opened from the tray
// it is the settings window with its three tab pages.
#include "automation/CDlgHotKey.h"
#include "automation/CDlgTonalis.h"
#include "colour/CDlgColor.h"
#include "controls/CButtonEx.h"
#include "controls/CSMTabCtrlEx.h"
#include "device/CHIDMonitor.h"
#include "device/CRegistry.h"
#include "framework/Afx.h"

#include <dbt.h>

#include <vector>

class CMonitorStatus;
struct HotKeyBinding;

class CVantorDlg : public CDialog, public CHIDMonitor, public CRegistry
{
public:
    explicit CVantorDlg(CWnd* pParent = nullptr);
    ~CVantorDlg() override;

    // Settings window.
    void ShowSettingWindow();
    void HideSettingWindow();
    void ResetToFirstTab();
    void ShowPage(int nTab);
    void PostPageRefresh(int nTab);
    void ShowTabPage(int nTab);
    void CloseSubDialogs();
    void OnBnClickedClose();
    LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);

    // Monitor list.
    BOOL RefreshMonitorList();
    void AddDetectedMonitors();
    BOOL ReadMonitorStatus(CMonitorStatus* pMonitor);
    BOOL RefreshMonitorStatus(CMonitorStatus* pMonitor);
    int CountSupportedHidDevices();
    void SelectDefaultMonitor();
    void SelectMonitor(int nIndex);
    void AttachPagesToMonitor();
    void ResetMonitorFlag68();
    void DeleteMonitorRegistryKeys();
    bool IsSupportedMonitor();
    void ReadCapabilities(CMonitorStatus* pMonitor);

    // Display matching and colour profiles.
    BOOL FindDisplayForMonitor(const char* pszSerial, CMonitorStatus* pMonitor);
    void InstallIccProfile(CMonitorStatus* pMonitor);
    void AssociateIccProfile(CString strProfile, CString strDeviceId);

    // Tray icon.
    BOOL TrayNotify(DWORD dwMessage, UINT nIconId, CString strTip);
    void UpdateTrayIcon();

    // Global hot keys.
    void LoadHotKeys(CMonitorStatus* pMonitor);
    void RegisterMonitorHotKeys(const HotKeyBinding* pSlots, CMonitorStatus* pMonitor);
    void UnregisterHotKeys();
    void UnregisterAllHotKeys();

    // Members, in this order.
    CButtonEx m_btnClose;
    CSMTabCtrlEx m_tab;
    HICON m_hIcon;
    CDlgColor m_pageColor;
    CDlgTonalis m_pageAutoColor;
    CDlgHotKey m_pageHotKey;
    int m_nCurTab;
    int m_nTrayState;
    UINT m_nHotKeyCount;
    UINT_PTR m_nTimerId;
    BOOL m_bSetChanged;
    UINT m_uTaskbarCreated;
    CBrush m_brBlack;
    // "E&xit" chosen while a modal dialog ran: the timer ends the program
    // once the dialog's loop has returned.
    BOOL m_bExitPending = FALSE;
    // The settings window has been placed on a screen once: from then on it
    // opens where the user left it.
    BOOL m_bPlaced = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    void OnTcnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    void OnMenuExit();
    void OnMenuSetting();
    void OnMenuMonitorList();
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnClose();
    BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);

private:
    void InitTabPages();
    void PlaceSettingWindow();
    void UnthemeTabControl();
    void FindDisplayMonitors();
    bool QueryDisplayMonitors();
    void AddSystemMenuItems();
    void ApplyStoredTopmost();
    void ToggleKeepOnTop();
    void EndOwnedDialogs();
    void HandleMnemonic(MSG* pMsg);
    std::vector<HWND> MnemonicTargets(char letter);
    bool IsForwardedCharacter(const MSG* pMsg);
    void EnterCurrentPage(bool bBackwards);
    void StepTab(int nDelta);
    CDialog* PageOfTab(int nTab);
    bool HasMonitors() const;
    bool IsModalDialogOpen() const;
    bool IsMinimisedAlone() const;
    void RefreshShownPage();

    void OnTaskbarCreated();
    void OnTrayIcon(LPARAM lParam);
    void ShowTrayMenu();
    void OnHotKey(LPARAM lParam);
    BOOL ApplyDisplayOrder(CMonitorStatus* pMonitor);
    BOOL FindStoredAssociation(const char* pszSerial, CMonitorStatus* pMonitor);
    BOOL ReadIdentity(CMonitorStatus* pMonitor);
    BOOL ReadCapabilitiesAndHotKeys(CMonitorStatus* pMonitor);

    DECLARE_MESSAGE_MAP()
};
