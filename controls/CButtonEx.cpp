#include "controls/CButtonEx.h"

#include "framework/CBrush.h"
#include "framework/CDC.h"

namespace {

constexpr COLORREF DefaultText = RGB(0, 0, 0);
constexpr COLORREF DefaultFace = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF DisabledText = RGB(0x40, 0x40, 0x40);
// The focus rectangle sits this far inside the button's edge.
constexpr int FocusInset = 4;
constexpr UINT CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

IMPLEMENT_DYNAMIC(CButtonEx, CButton)

// Every message gets the plain button's handling.
BEGIN_MESSAGE_MAP(CButtonEx, CButton)
END_MESSAGE_MAP()

CButtonEx::CButtonEx() : m_crText(DefaultText), m_crFace(DefaultFace), m_crDisabledText(DisabledText)
{
}

CButtonEx::~CButtonEx() = default;

bool CButtonEx::Attach(UINT nID, CWnd* pParent)
{
    return pParent && SubclassDlgItem(nID, pParent);
}

void CButtonEx::SetFaceColor(COLORREF crFace)
{
    m_crFace = crFace;
}

void CButtonEx::SetTextColor(COLORREF crText)
{
    m_crText = crText;
}

COLORREF CButtonEx::GetFaceColor() const
{
    return m_crFace;
}

COLORREF CButtonEx::GetTextColor() const
{
    return m_crText;
}

COLORREF CButtonEx::GetDisabledTextColor() const
{
    return m_crDisabledText;
}

void CButtonEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    UINT state = lpDrawItemStruct->itemState;
    CRect item(lpDrawItemStruct->rcItem);
    CRect focus(item.left + FocusInset, item.top + FocusInset, item.right - FocusInset, item.bottom - FocusInset);
    CString caption;
    GetWindowText(caption);

    FillFace(pDC, item, m_crFace);
    DrawCaption(pDC, item, m_crText, caption);
    pDC->DrawEdge(&item, EDGE_RAISED, BF_RECT | BF_FLAT);
    if (state & ODS_FOCUS) {
        if (state & ODS_SELECTED)
            pDC->DrawEdge(&item, EDGE_SUNKEN, BF_RECT);
        pDC->DrawFocusRect(&focus);
    } else if (state & ODS_DISABLED) {
        DrawCaption(pDC, item, m_crDisabledText, caption);
    }
}

void CButtonEx::FillFace(CDC* pDC, CRect rect, COLORREF crFace)
{
    CBrush brush(crFace);
    pDC->FillRect(&rect, &brush);
}

void CButtonEx::DrawCaption(CDC* pDC, CRect rect, COLORREF crText, CString caption)
{
    COLORREF previous = pDC->SetTextColor(crText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(caption, &rect, CaptionFormat);
    pDC->SetTextColor(previous);
}

void AttachSkinnedButtons(CWnd* pParent, std::initializer_list<std::pair<CButtonEx*, UINT>> buttons)
{
    for (const auto& [button, id] : buttons) {
        button->Attach(id, pParent);
        button->SetFaceColor(RGB(0, 0, 0));
        button->SetTextColor(RGB(255, 255, 255));
    }
}
