#pragma once
// The settings window's tab control: the native control paints itself first,
// then every tab is painted over in the program's dark colours, the selected
// one black with white text and a red accent bar along its top edge, and its
// focus rectangle while the control has the focus and cues are shown.
#include "framework/CFont.h"
#include "framework/CTabCtrl.h"

class CDC;

class CSMTabCtrlEx : public CTabCtrl
{
    DECLARE_DYNAMIC(CSMTabCtrlEx)
public:
    CSMTabCtrlEx();
    ~CSMTabCtrlEx() override;

    static constexpr COLORREF SelectedFill = RGB(0x00, 0x00, 0x00);
    static constexpr COLORREF SelectedText = RGB(0xFF, 0xFF, 0xFF);
    static constexpr COLORREF AccentBar = RGB(0xEF, 0x45, 0x4A);
    static constexpr COLORREF OtherFill = RGB(0x50, 0x50, 0x50);
    static constexpr COLORREF OtherText = RGB(0xBC, 0xBC, 0xBC);

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    // Makes m_fontTab from the parent's font and selects it; returns the
    // font it replaced.
    CFont* SelectParentFont(CDC* pDC);
    void DrawTabText(CDC* pDC, int nItem, CRect rect, COLORREF crText) const;
    // The control has the keyboard focus and its window shows focus cues.
    bool ShowsFocus() const;

    CFont m_fontTab;
};
