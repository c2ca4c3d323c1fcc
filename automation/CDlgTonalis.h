#pragma once
// The "Auto Color" page: automatic colour-mode switching on or off, the
// applications registered with a colour mode, and the default mode for the
// others. Its 100 ms timer is the foreground watcher: when another window
// comes to the front, or the same one moves to another screen, every monitor
// gets the mode of the application behind that window.
#include "automation/ApplicationRecords.h"
#include "controls/CButtonEx.h"
#include "controls/CHyperLink.h"
#include "device/CHIDMonitor.h"
#include "device/CRegistry.h"
#include "framework/Afx.h"

class CMonitorColor;
class CMonitorStatus;

// The application list and the mode list of the one Auto Color page. The
// window enumeration, which gets no page, adds applications through the first.
extern CComboBox g_comboApplication;
extern CComboBox g_comboColorMode;

class CDlgTonalis : public CDialog, public CHIDMonitor, private CRegistry
{
public:
    explicit CDlgTonalis(CWnd* pParent = nullptr);
    ~CDlgTonalis() override;

    // bAll: every listed monitor, TRUE. Otherwise that monitor alone, TRUE
    // when it is listed and answered.
    BOOL ApplyColorMode(BYTE nMode, CMonitorStatus* pMonitor, BOOL bAll);
    BOOL IsMonitorAlive();
    void ReadCurrentMode(CMonitorColor* pColor);

    void LoadRegisteredApplications();
    BOOL GetRegisteredApplication(int n, ApplicationEntry* out);
    void FillRegisteredApplications();
    // lParam: null, or the only application name to add.
    static BOOL CALLBACK EnumApplicationWindowsProc(HWND hWnd, LPARAM lParam);
    int FindApplication(const char* name);
    void FillColorModeLists(ApplicationEntry* pEntry = nullptr);
    ULONGLONG GetSupportedModeMask();
    // index -1: the selected application. The mode is the one the user was
    // asked about, taken before the question.
    void SaveApplicationMode(int index, int mode);
    void UpdateControlStates();
    void SetNotifyWindow(HWND hWnd);

    // The watcher's state.
    UINT_PTR m_nTimerId;
    HWND m_hLastForeground;
    char m_szLastScreen[128];
    char m_szCurrentApplication[260];
    HWND m_hNotifyWnd;
    BOOL m_bPageVisible;

    CComboBox m_comboDefaultMode;
    CButton m_checkAutoColor;
    CButtonEx m_btnDelete;
    CButtonEx m_btnRegister;
    CHyperLink m_link;
    CPtrList* m_pRegisteredList;
    CString m_strShownApplication;   // whose mode the mode list shows; "" = none
    CBrush m_brBackground;
    CSize m_sizeBackground;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnCbnSelchangeApplication();
    void OnCbnSelchangeColorMode();
    void OnCbnSelchangeDefaultMode();
    void OnBnClickedActivateAutoColor();
    void OnBnClickedRegister();
    void OnBnClickedDelete();
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnDestroy();
    BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    LRESULT OnSelectApplication(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    void AttachButtons();
    void LoadAutoColorSwitch();

    // The watcher.
    bool IsWatching() const;
    void WatchForeground();
    static bool IdentifyApplication(HWND hWnd, bool forList, CString& name, DWORD* processId = nullptr);
    int DefaultMode() const;

    // Lists and editor.
    static CString ItemTextOf(const char* name, const char* description);
    static ApplicationEntry* EntryAt(int index);
    static int FindInApplicationList(const char* name);
    static bool AddApplication(const ApplicationEntry& entry);
    void FreeRegisteredApplications();
    void FreeApplicationEntries();
    void ShowApplication(int index);
    void ClearEditor();
    void AskToSaveShownApplication();
    int AskAbout(UINT nPromptId, const CString& subject) const;
    int SelectedMode() const;
    static int FindItemWithData(const CComboBox& list, DWORD_PTR data);
    static void AddModeItem(CComboBox& list, int mode);
    static void RefillModeList(CComboBox& list, ULONGLONG mask, int modeCount);
    static bool HoldsModes(const CComboBox& list, ULONGLONG mask, int modeCount);
    bool IsAutoColorOn() const;

    DECLARE_MESSAGE_MAP()
};
