#include "controls/CHyperLink.h"

#include "framework/AfxGlobals.h"
#include "framework/CDC.h"
#include "framework/Seams.h"
#include "res/resource.h"

namespace {

constexpr COLORREF NormalText = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF HoverText = RGB(0xFF, 0x00, 0x00);
// Repaint the whole control now, background included.
constexpr UINT RedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

}  // namespace

IMPLEMENT_DYNAMIC(CHyperLink, CStatic)

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_CONTROL_REFLECT(STN_CLICKED, &CHyperLink::OnStnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CHyperLink::CHyperLink() : m_bHover(0), m_crNormal(NormalText), m_crHover(HoverText)
{
}

CHyperLink::~CHyperLink() = default;

BOOL CHyperLink::IsHovered() const
{
    return m_bHover == 1;
}

const CString& CHyperLink::GetURL() const
{
    return m_strURL;
}

void CHyperLink::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);      // a click must report STN_CLICKED
    MakeUnderlinedFont();
    m_strURL.LoadString(IDS_WEB_ADDRESS);
    SetWindowText(m_strURL);
    CStatic::PreSubclassWindow();
}

void CHyperLink::MakeUnderlinedFont()
{
    LOGFONTA font{};
    CFont* current = GetFont();
    // A control without a font of its own (no DS_SETFONT template) gets the
    // system's GUI font underlined rather than no font at all.
    if (!current || !current->GetLogFont(&font))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfUnderline = TRUE;
    m_fontUnderline.DeleteObject();
    if (m_fontUnderline.CreateFontIndirect(&font))
        SetFont(&m_fontUnderline, TRUE);
}

BOOL CHyperLink::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd && pWnd->m_hWnd == m_hWnd) {
        ::SetCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_CURSOR_HAND)));
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

void CHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    ReleaseCapture();
    SetCapture();
    if (m_bHover != 1) {
        m_bHover = 1;
        RedrawWindow(nullptr, nullptr, RedrawNow);
        SetCapture();
        CStatic::OnMouseMove(nFlags, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        EndHover();
        return;
    }
    CStatic::OnMouseMove(nFlags, point);
}

void CHyperLink::OnStnClicked()
{
    EndHover();
    Seams::ShellExecuteA(nullptr, "open", m_strURL, nullptr, nullptr, SW_SHOWNORMAL);
}

void CHyperLink::EndHover()
{
    m_bHover = 0;
    ReleaseCapture();
    RedrawWindow(nullptr, nullptr, RedrawNow);
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT nCtlColor)
{
    (void)nCtlColor;
    pDC->SetTextColor(m_bHover == 1 ? m_crHover : m_crNormal);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}
