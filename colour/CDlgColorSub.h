#pragma once
// The "Color Adjustment" dialog: the picture values of the current monitor's
// colour mode. Every change goes to the monitor at once (and to the other
// monitors of its model name in the same mode when "Apply to the same
// models" is on); OK commits, Cancel writes back what the dialog found at
// opening, Reset returns the mode to the monitor's defaults. While open it
// is the report target and follows the values the monitor reports, and it
// closes by itself when the monitor stops answering or no longer permits
// adjustment (result 0) or when ended from outside (255). It acts only on
// the monitor it opened on: when another one has become current, it ends
// with 255 and writes nothing.
#include "colour/ColorValueText.h"
#include "colour/OwnMonitor.h"
#include "colour/SameModelColors.h"
#include "controls/CButtonEx.h"
#include "device/CHIDMonitor.h"
#include "device/CMonitorColor.h"
#include "device/FeatureAddress.h"
#include "device/HidReport.h"
#include "framework/Afx.h"

#include <vector>

class CMonitorStatus;

class CDlgColorSub : public CDialog, public CHIDMonitor
{
public:
    explicit CDlgColorSub(CWnd* pParent = nullptr);
    ~CDlgColorSub() override;

    BOOL IsDeviceReachable();
    void ReadColorStatus(CMonitorColor& record);
    void LoadControls(CMonitorColor& record);
    void SetSliderValue(CSliderCtrl& slider, CString& text, BOOL valid, WORD value, int minimum, WORD maximum,
                        int scale);
    void UpdateValueText(CString& text, WORD value, WORD maximum, int scale);
    void FillCombos();
    void EnableByFeatureMask(CMonitorColor& record);
    BOOL InitControls();
    void RedrawColorBar();
    void SelectGamma(BOOL valid, WORD value);
    void SelectContrastEnhancer(BOOL valid, WORD value);
    void SelectVelocis(BOOL valid, WORD value);
    void SelectOverdrive(BOOL valid, WORD value);
    void SelectNoiseReduction(BOOL valid, WORD value);
    void DrawColorBarBitmap(CDC* pDC, const CRect& rect, UINT nBitmapId);
    void DrawSunkenFrame(CDC* pDC, const CRect& rect);

    void RestoreDevice(const CMonitorColor& record);
    void ApplyStatusToDevice(CMonitorStatus& target, const CMonitorColor& source, BOOL full);
    void ReloadAfterReset();
    BOOL HasTunoraData(WORD mode);
    void SyncSameModels();
    void SetOnSameModels(DWORD bit, const BYTE* buffer, short size, BYTE usage, WORD usagePage);
    void ResetSameModels();
    void CommitSameModels();
    void RestoreSameModels();

    CButtonEx m_btnReset;
    CButtonEx m_btnOK;
    CButtonEx m_btnCancel;
    CStatic m_picColorBar;
    CStatic m_picBrightness;
    CStatic m_picContrast;
    CStatic m_picBlackLevel;
    CStatic m_picGamma;
    CStatic m_picGainRed;
    CStatic m_picGainGreen;
    CStatic m_picGainBlue;
    CStatic m_picContrastEnhancer;
    CStatic m_picVelocis;
    CEdit m_editTemperature;
    CEdit m_editBrightness;
    CEdit m_editContrast;
    CEdit m_editBlackLevel;
    CEdit m_editGainRed;
    CEdit m_editGainGreen;
    CEdit m_editGainBlue;
    CSliderCtrl m_sliderTemperature;
    CSliderCtrl m_sliderBrightness;
    CSliderCtrl m_sliderContrast;
    CSliderCtrl m_sliderBlackLevel;
    CSliderCtrl m_sliderGainRed;
    CSliderCtrl m_sliderGainGreen;
    CSliderCtrl m_sliderGainBlue;
    CString m_strTemperature;
    CString m_strBrightness;
    CString m_strContrast;
    CString m_strBlackLevel;
    CString m_strGainRed;
    CString m_strGainGreen;
    CString m_strGainBlue;
    CComboBox m_comboGamma;
    CComboBox m_comboContrastEnhancer;
    CComboBox m_comboVelocis;
    CStatic m_picSaturation;
    CSliderCtrl m_sliderSaturation;
    CEdit m_editSaturation;
    CString m_strSaturation;
    CStatic m_picHue;
    CSliderCtrl m_sliderHue;
    CEdit m_editHue;
    CString m_strHue;
    CStatic m_picOverdrive;
    CComboBox m_comboOverdrive;
    CStatic m_picNoiseReduction;
    CComboBox m_comboNoiseReduction;
    // The values found at opening: what Cancel writes back.
    CMonitorColor m_savedColor;
    CBrush m_brBackground;
    CBrush m_brValueBox;
    UINT_PTR m_nTimerId;
    CSize m_sizeBackground;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnDestroy();
    void OnBnClickedReset();
    BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnCbnSelchangeGamma();
    void OnCbnSelchangeContrastEnhancer();
    void OnCbnSelchangeVelocis();
    void OnCbnSelchangeOverdrive();
    void OnCbnSelchangeNoiseReduction();

private:
    struct SliderGroup;
    struct ListGroup;
    struct LabelImage;
    struct ReportView;
    static constexpr int SliderCount = 9;
    static constexpr int ListCount = 5;
    static constexpr int LabelCount = 13;
    // What a list choice leaves alone: the gamma list's selection when no
    // item holds the value.
    static constexpr int KeepSelection = -2;
    static const SliderGroup s_sliders[SliderCount];
    static const ListGroup s_lists[ListCount];
    static const LabelImage s_labels[LabelCount];

    CMonitorColor& CurrentColor();
    DWORD CurrentMask(WORD mode) const;
    bool HasMonitors() const;
    void SetSliderPageSizes();
    void FillList(CComboBox& list, std::initializer_list<std::pair<UINT, WORD>> items);
    void FillGammaList();
    void SelectInList(CComboBox& list, BOOL valid, WORD value, bool keepWhenUnmatched);
    static std::vector<short> ItemData(const CComboBox& list);
    static int ItemFor(const std::vector<short>& data, BOOL valid, WORD value, bool keepWhenUnmatched);
    bool GroupEnabled(CMonitorColor& record, ColorSlot slot, DWORD mask);
    void SetLabelImage(int label, bool enabled);
    void OnSliderMoved(const SliderGroup& group, int position);
    void OnTemperatureMoved(int position);
    void OnListChanged(const ListGroup& group);
    void OnHidReport();
    void ApplyReport(const HidReport& report, ReportView& view);
    void ChooseInList(ReportView& view, int list, WORD value);
    void ShowReports(const ReportView& view);
    bool BeginAction();
    DWORD MaskOf(const CMonitorColor& record) const;
    bool SameModelsOn() const;
    WORD SnapshotMode() const;
    void ForEachKeptInMode(const SameModelColors::Step& step);
    static ColorValueText::Rule RuleOfText(const CDlgColorSub& dialog, const CString& text);

    // A stand-in record for a dialog opened without the colour page's own.
    CMonitorColor m_ownColor;
    // The monitor the dialog opened on.
    OwnMonitor m_own;
    // Whether the opening read the monitor: until then there is nothing to
    // write back and no mode to match other monitors against.
    bool m_bSnapshotTaken;
    // The other monitors of the model kept at opening, with their own values.
    SameModelColors m_sameModelColors;
    // The label pictures, loaded once: enabled and disabled.
    CBitmap m_labelBitmaps[LabelCount][2];

    DECLARE_MESSAGE_MAP()
};
