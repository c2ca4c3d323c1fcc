#include "controls/CSMTabCtrlEx.h"

#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "shell/Messages.h"

namespace {

constexpr UINT TabTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Tab texts longer than this are cut.
constexpr int TabTextMax = 255;
// The focus rectangle stands this far inside the tab, where the native
// control draws it.
constexpr int FocusInset = 2;

}  // namespace

IMPLEMENT_DYNAMIC(CSMTabCtrlEx, CTabCtrl)

BEGIN_MESSAGE_MAP(CSMTabCtrlEx, CTabCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CSMTabCtrlEx::CSMTabCtrlEx() = default;

CSMTabCtrlEx::~CSMTabCtrlEx() = default;

BOOL CSMTabCtrlEx::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CSMTabCtrlEx::OnPaint()
{
    Default();
    CClientDC dc(this);
    int selected = GetCurSel();
    CRect selectedRect;
    bool hasSelection = selected >= 0 && GetItemRect(selected, &selectedRect);
    if (hasSelection)
        dc.FillSolidRect(&selectedRect, SelectedFill);
    CFont* previous = SelectParentFont(&dc);
    if (hasSelection) {
        DrawTabText(&dc, selected, selectedRect, SelectedText);
        if (ShowsFocus()) {
            // The fill has covered the native control's own; an inverting
            // rectangle shows on black.
            CRect focus = selectedRect;
            focus.DeflateRect(FocusInset, FocusInset);
            dc.DrawFocusRect(&focus);
        }
        // Over the tab's top row and the two rows above, from one pixel left.
        dc.FillSolidRect(selectedRect.left - 1, selectedRect.top - 2, selectedRect.Width() + 1, 3, AccentBar);
    }
    for (int item = 0; item < GetItemCount(); ++item) {
        CRect rect;
        if (item == selected || !GetItemRect(item, &rect))
            continue;
        // The fill leaves its colour as the text background.
        dc.FillSolidRect(&rect, OtherFill);
        DrawTabText(&dc, item, rect, OtherText);
    }
    if (previous)
        dc.SelectObject(previous);
    m_fontTab.DeleteObject();
}

bool CSMTabCtrlEx::ShowsFocus() const
{
    return ::GetFocus() == m_hWnd &&
           !(::SendMessageA(m_hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

CFont* CSMTabCtrlEx::SelectParentFont(CDC* pDC)
{
    LOGFONTA font{};
    CWnd* parent = GetParent();
    CFont* parentFont = parent ? parent->GetFont() : nullptr;
    if (!parentFont || !parentFont->GetLogFont(&font))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    m_fontTab.DeleteObject();
    if (!m_fontTab.CreateFontIndirect(&font))
        return nullptr;
    return pDC->SelectObject(&m_fontTab);
}

void CSMTabCtrlEx::DrawTabText(CDC* pDC, int nItem, CRect rect, COLORREF crText) const
{
    char text[TabTextMax + 1] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!GetItem(nItem, &item))
        return;
    pDC->SetTextColor(crText);
    pDC->DrawText(text, -1, &rect, TabTextFormat);
}

void CSMTabCtrlEx::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd* parent = GetParent();
    if (parent)
        parent->PostMessage(UM_REDRAW_TAB, 0, 0);
    CTabCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}
