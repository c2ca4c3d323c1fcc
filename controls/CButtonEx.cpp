#include "controls/CButtonEx.h"

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CFont.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF DefaultText = RGB(0, 0, 0);
constexpr COLORREF DefaultFace = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF DisabledText = RGB(0x40, 0x40, 0x40);
// The focus rectangle sits this far inside the button's edge.
constexpr int FocusInset = 4;
constexpr UINT CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The first and last rows the caption inks (its mnemonic underline too), laid
// out as DrawCaption lays it out in the font of `pDC`; {-1, -1} for none.
std::pair<int, int> CaptionInkRows(CDC* pDC, const CRect& item, const CString& caption)
{
    CDC memory;
    CBitmap mask;
    const int width = item.Width(), height = item.Height();
    if (caption.IsEmpty() || width <= 0 || height <= 0 || !memory.CreateCompatibleDC(pDC) ||
        !mask.CreateBitmap(width, height, 1, 1, nullptr))
        return {-1, -1};
    CBitmap* oldBitmap = memory.SelectObject(&mask);
    CFont* oldFont = memory.SelectObject(
        CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT))));
    CRect area(0, 0, width, height);
    memory.FillSolidRect(&area, RGB(255, 255, 255));
    memory.SetTextColor(RGB(0, 0, 0));
    memory.SetBkMode(TRANSPARENT);
    memory.DrawText(caption, &area, CaptionFormat);
    memory.SelectObject(oldFont);
    memory.SelectObject(oldBitmap);

    const int stride = (width + 15) / 16 * 2;  // monochrome rows are word-aligned
    std::vector<BYTE> bits(static_cast<size_t>(stride) * height);
    if (::GetBitmapBits(mask, static_cast<LONG>(bits.size()), bits.data()) != static_cast<LONG>(bits.size()))
        return {-1, -1};
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!(bits[static_cast<size_t>(y) * stride + x / 8] & (0x80 >> (x % 8)))) {
                rows = {rows.first < 0 ? y : rows.first, y};
                break;
            }
    return rows;
}

// Four pixels inside the edge; on a button too low for that under a large
// font, the top and bottom lines move out so that they keep clear of the
// caption's ink.
CRect FocusRect(CDC* pDC, const CRect& item, const CString& caption)
{
    int inset = FocusInset;
    const auto [top, bottom] = CaptionInkRows(pDC, item, caption);
    if (top >= 0)
        inset = std::max(1, std::min({FocusInset, top - 1, item.Height() - 2 - bottom}));
    return CRect(item.left + FocusInset, item.top + inset, item.right - FocusInset, item.bottom - inset);
}

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
    CString caption;
    GetWindowText(caption);

    FillFace(pDC, item, m_crFace);
    DrawCaption(pDC, item, m_crText, caption);
    pDC->DrawEdge(&item, EDGE_RAISED, BF_RECT | BF_FLAT);
    if (state & ODS_FOCUS) {
        if (state & ODS_SELECTED)
            pDC->DrawEdge(&item, EDGE_SUNKEN, BF_RECT);
        const CRect focus = FocusRect(pDC, item, caption);
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
