#pragma once
// The monitor connection list: one line per monitor the program knows, and a
// small wizard by which the user ties each supported monitor to a Windows
// screen by hand. For one monitor at a time the wizard opens that monitor's
// adjustment menu; the user drags the dialog onto the screen that shows it
// and clicks "&Next", and the dialog records the screen it now stands on.
#include "controls/CButtonEx.h"
#include "device/CHIDMonitor.h"
#include "framework/Afx.h"

// One confirmed association: a monitor and the screen the dialog stood on.
struct CMonitorAssociation {
    DWORD m_hDevice = 0;
    CString m_strDisplayDevice;   // "\\.\DISPLAYn"; empty when the dialog stood on no screen
};

class CDlgMonitor : public CDialog, public CHIDMonitor
{
    DECLARE_DYNAMIC(CDlgMonitor)
public:
    explicit CDlgMonitor(CWnd* pParent = nullptr);
    ~CDlgMonitor() override;

    // DoModal answers the number of associations when the completed wizard
    // is closed, 0 on every other end, -1 when the dialog cannot be made.
    // Above 0 the caller takes the list over with TakeAssociations.
    CPtrList* TakeAssociations();
    // Deletes every record and the list, and leaves the pointer null, so a
    // second call frees nothing.
    static void DeleteAssociations(CPtrList*& pList);

    void SetOsdMenu(WORD wCode);
    void StartManualSetting();
    BOOL IsManualSettingTarget();

    // Texts the dialog shows, built from the program's strings.
    static CString ListLine(int nNumber, const CString& strLabel, const CString& strModel,
                            const CString& strSerial);
    static CString StepText(int nStep);

    // Members, in this order.
    CPtrList* m_pAssociations;       // of CMonitorAssociation*; null until the wizard starts
    CBrush m_brBackground;
    CMonitorAssociation m_current;   // the monitor whose menu is open; handle 0 = none
    CListBox m_listMonitors;
    BOOL m_bRunning;
    CStatic m_staticMessage;
    CStatic m_staticHeader;
    CButtonEx m_btnOK;
    CButtonEx m_btnCancel;
    int m_nTargets;
    int m_nIndex;
    CPtrList m_listTargets;          // device handles of the monitors the wizard binds

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    void OnBnClickedNext();
    void OnBnClickedClose();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnDeviceChange(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

private:
    void PlaceOnPrimaryScreen();
    void FillMonitorLines();
    void CollectTargets();
    void ShowListingTexts();
    void EnterWizard();
    void ConfirmCurrentTarget();
    bool ShowNextTarget();
    bool IsAssociated(DWORD hDevice) const;
    int AssociationCount() const;
    bool IsListedMonitor(DWORD hDevice) const;
    DWORD FindGoneMonitor();
    void HideAllMenus();
    void OnCloseSubDialog();

    DECLARE_MESSAGE_MAP()
};
