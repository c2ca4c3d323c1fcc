#include "shell/CDlgMessage.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <string>

namespace {

// The static turns its text into Unicode with the program's code page and
// draws that. A narrow measure would convert with the code page of the
// font's character set instead, and Wine's message font has the Western one
// even on a Japanese system: each double-byte character would count as two.
CSize ShownExtent(CDC& dc, const CString& text)
{
    const int length = text.GetLength();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text.GetString(), length, wide.data(), length)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc.GetSafeHdc(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return CSize(size.cx, size.cy);
}

} // namespace

IMPLEMENT_DYNAMIC(CDlgMessage, CDialog)

BEGIN_MESSAGE_MAP(CDlgMessage, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDlgMessage::CDlgMessage(CWnd* pParent) : CDialog(IDD_MESSAGE, pParent), m_bWarning(FALSE)
{
}

CDlgMessage::~CDlgMessage() = default;

void CDlgMessage::SetWarningIcon(BOOL bWarning)
{
    m_bWarning = bWarning;
}

void CDlgMessage::SetMessageText(CString strText)
{
    m_strText = strText;
}

void CDlgMessage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MESSAGE_ICON, m_staticIcon);
    DDX_Control(pDX, IDC_MESSAGE_TEXT, m_staticText);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL CDlgMessage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_staticIcon.SetIcon(::LoadIconA(nullptr, m_bWarning ? IDI_WARNING : IDI_INFORMATION));
    m_staticText.SetWindowText(m_strText);
    UseMessageFont();
    AdjustLayout();
    theApp.m_hWndMessage = m_hWnd;
    return TRUE;
}

// Without the system's metrics the template's own font stays: a font made
// from an unfilled record could be anything.
void CDlgMessage::UseMessageFont()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    if (!m_font.CreateFontIndirect(&metrics.lfMessageFont))
        return;
    m_staticText.SetFont(&m_font, TRUE);
    m_btnOK.SetFont(&m_font, TRUE);
}

CRect CDlgMessage::ItemRect(const CWnd& item) const
{
    CRect rect;
    item.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CDlgMessage::AdjustLayout()
{
    CDC* dc = m_staticText.GetDC();
    if (!dc)
        return;
    CFont* old = dc->SelectObject(m_staticText.GetFont());
    const CSize text = ShownExtent(*dc, m_strText);
    dc->SelectObject(old);
    m_staticText.ReleaseDC(dc);

    const CRect icon = ItemRect(m_staticIcon);
    CRect textRect = ItemRect(m_staticText);
    textRect.left = icon.right + 2 * icon.left;
    textRect.right = textRect.left + text.cx;
    textRect.top = icon.top + icon.Height() / 2 - (text.cy + 1) / 2;
    textRect.bottom = textRect.top + text.cy;

    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    CRect client;
    GetClientRect(&client);
    window.right = window.left + 2 * (window.right - client.right) + textRect.right + 2 * icon.left;

    CRect button = ItemRect(m_btnOK);
    const int buttonWidth = button.Width();
    button.left = window.left + window.Width() / 2 - buttonWidth / 2;
    button.right = button.left + buttonWidth;

    ClientToScreen(&window);
    MoveWindow(&window, TRUE);
    m_staticText.MoveWindow(&textRect, TRUE);
    m_btnOK.MoveWindow(&button, TRUE);
}

LRESULT CDlgMessage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_CLOSE_SUBDIALOG)
        EndDialog(static_cast<int>(SubDialogClosedFromOutside));
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgMessage::OnDestroy()
{
    CDialog::OnDestroy();
    if (theApp.m_hWndMessage == m_hWnd)
        theApp.m_hWndMessage = nullptr;
}
