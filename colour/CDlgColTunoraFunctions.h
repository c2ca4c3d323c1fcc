#pragma once
// "Tunora Functions": the monitor's five enhancement functions in its
// current colour mode. Every choice goes to the monitor at once (and to the
// other monitors of the model name in the same mode when "Apply to the same
// models" is on); OK commits, Cancel puts back what the dialog found when it
// opened, Reset asks the monitor for its defaults. While open the dialog
// receives the monitor's reports and closes itself when the monitor stops
// permitting adjustment. It acts only on the monitor it opened on: when
// another one has become current, it ends with 255 and writes nothing.
#include "colour/OwnMonitor.h"
#include "colour/SameModelColors.h"
#include "controls/CButtonEx.h"
#include "device/CHIDMonitor.h"
#include "device/CMonitorColor.h"
#include "device/HidReport.h"
#include "framework/Afx.h"

class CMonitorStatus;

class CDlgColTunoraFunctions : public CDialog, public CHIDMonitor
{
    DECLARE_DYNAMIC(CDlgColTunoraFunctions)
public:
    explicit CDlgColTunoraFunctions(CWnd* pParent = nullptr);
    ~CDlgColTunoraFunctions() override;

    // The colour-mode row of the Glintara labels for a colour mode; -1 when
    // the mode has no Glintara levels.
    static int GlintaraRowOf(short mode);

    // Points the channel at the current monitor; true when it answers.
    bool IsMonitorAlive();
    bool LoadFromMonitor();
    void ReadTunoraState(CMonitorColor& state);
    void FillComboLists();
    void FillGlintaraList(short mode);
    void SelectByValue(CComboBox& combo, int valid, short value);
    void SelectCurrentValues(const CMonitorColor& state);
    void UpdateControlStates(const CMonitorColor& state);
    void RefreshDependentValues(short crisora);
    void RestoreTunoraState(const CMonitorColor& saved);
    void CopyStateToMonitor(CMonitorStatus& monitor, const CMonitorColor& state, bool withMode);

    void SyncSameModels();
    void SetFeatureOnSameModels(DWORD bit, const BYTE* buffer, short length, BYTE usage, WORD usagePage);
    void ResetSameModels();
    void CommitSameModels();
    void RestoreSameModels();

    CButtonEx m_btnReset;
    CButtonEx m_btnOK;
    CButtonEx m_btnCancel;
    CComboBox m_cmbSensora;
    CComboBox m_cmbCrisora;
    CComboBox m_cmbGlintara;
    CComboBox m_cmbSkinTone;
    CComboBox m_cmbTextEnhancer;
    CSize m_sizeBrush;
    CBrush m_brBack;
    UINT_PTR m_nTimerID;
    CMonitorColor m_savedColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnDestroy();
    void OnBnClickedReset();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    void OnCbnSelchangeSensora();
    void OnCbnSelchangeCrisora();
    void OnCbnSelchangeSkinTone();
    void OnCbnSelchangeTextEnhancer();
    void OnCbnSelchangeGlintara();
    void OnTimer(UINT_PTR nIDEvent);

private:
    CMonitorColor& Current();
    DWORD CurrentMaskOf(short mode) const;
    bool BeginAction();
    void OnFunctionChanged(CComboBox& combo, const FeatureAddress& feature, DWORD bit);
    struct ReportView;
    void OnHidReport();
    void ApplyReport(const HidReport& report, ReportView& view);
    void OnFunctionReport(ColorSlot slot, WORD value, ReportView& view);
    void ShowReports(const ReportView& view);
    void ShowTextEnhancer(const CMonitorColor& state, short crisora);
    void DisableFunctionLists();
    bool SameModelsOn() const;
    void ForEachKeptInMode(const SameModelColors::Step& step);

    // What the page would own; used only when the dialog runs without it.
    CMonitorColor m_ownColor;
    // The monitor the dialog opened on.
    OwnMonitor m_own;
    // The snapshot exists only once the monitor answered at opening.
    bool m_bSnapshotTaken;
    // The other monitors of the model kept at opening, with their own state.
    SameModelColors m_sameModelColors;

    DECLARE_MESSAGE_MAP()
};
