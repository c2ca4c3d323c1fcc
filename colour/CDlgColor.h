#pragma once
// The "Color Adjustment" page: the monitor to work on and its colour mode,
// written to the monitor at once (and to every monitor of the same model
// name when "Apply to the same models" is checked). While shown it receives
// the monitor's reports and polls whether the monitor allows adjustment.
#include "controls/CButtonEx.h"
#include "controls/CHyperLink.h"
#include "device/CHIDMonitor.h"
#include "device/CMonitorColor.h"
#include "device/CRegistry.h"
#include "device/HidReport.h"
#include "framework/Afx.h"

#include <vector>

class CMonitorStatus;
struct ColorDataRecord;

class CDlgColor : public CDialog, public CHIDMonitor, private CRegistry
{
public:
    explicit CDlgColor(CWnd* pParent = nullptr);
    ~CDlgColor() override;

    bool IsDeviceReachable();
    void ReadColorMode(CMonitorColor& record);
    void FillMonitorCombo();
    void FillModeCombo();
    void SelectCurrentMode();
    void UpdateControlStates();
    void DisableControls();
    void PollDevice();
    void BeginSubDialog();
    void EndSubDialog();
    // Colour-data files: the file dialogs' folder, extension and filter;
    // a record written to the monitor the channel points at; the product
    // name of a registry key path.
    void PrepareFileDialog();
    bool ApplyColorData(CMonitorStatus& target, const ColorDataRecord& record);
    static void ProductNameFromKey(CString& text);

    CButtonEx m_btnColor;
    CButtonEx m_btnImport;
    CButtonEx m_btnExport;
    CComboBox m_comboMonitor;
    CComboBox m_comboMode;
    CHyperLink m_link;
    CButtonEx m_btnFunctions;
    CButton m_checkSameModels;
    CBrush m_brBackground;
    UINT_PTR m_nTimerId;
    CSize m_sizeBackground;
    char m_szInitialDir[MAX_PATH];
    CString m_strDefExt;
    CString m_strFilter;
    BOOL m_bPageVisible;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnDestroy();
    void OnCbnSelchangeColorMode();
    void OnCbnSelchangeMonitor();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnBnClickedApplySameModels();
    void OnBnClickedColor();
    void OnBnClickedTunoraFunctions();
    void OnBnClickedImport();
    void OnBnClickedExport();

private:
    struct ReportView;
    // The enabling of the four buttons for a mode of the mode list.
    struct ButtonStates {
        bool color = false;
        bool importExport = false;
        bool functions = false;
    };
    // What a mode selection leaves alone: the list's selection.
    static constexpr int KeepSelection = -2;

    template <typename SubDialog>
    void RunSubDialog();
    bool ResumesAfterOutsideEnd() const;
    void OnPageRefresh();
    void OnHidReport();
    void ApplyReport(const HidReport& report, ReportView& view);
    void ReadColorModeOnce(ReportView& view);
    void ApplyPoll(ReportView& view);
    void ShowReports(const ReportView& view);
    void SelectModeInList();
    std::vector<int> ListedModes() const;
    std::vector<int> ItemModes() const;
    void FillModeItems(const std::vector<int>& modes);
    static int ItemOfMode(const std::vector<int>& modes, bool valid, short mode);
    ButtonStates ButtonStatesFor(int mode) const;
    void ShowButtonStates(const ButtonStates& states);
    void WriteModeToSameModels(const BYTE* mode);
    CWnd* MainWindow() const;
    int SelectedMode() const;
    DWORD MaskOfMode(int mode) const;
    short CurrentMode() const;
    bool CurrentModeValid() const;

    DECLARE_MESSAGE_MAP()
};
