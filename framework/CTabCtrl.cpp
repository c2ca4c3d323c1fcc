#include "framework/CTabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEMA* pTabCtrlItem)
{
    return static_cast<LONG>(
        ::SendMessageA(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TCM_DELETEALLITEMS, 0, 0));
}

int CTabCtrl::GetItemCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pTabCtrlItem) const
{
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TCM_GETITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

int CTabCtrl::GetCurSel() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int nItem)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nItem), 0));
}

void CTabCtrl::SetCurFocus(int nItem)
{
    ::SendMessageA(m_hWnd, TCM_SETCURFOCUS, static_cast<WPARAM>(nItem), 0);
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect));
}
