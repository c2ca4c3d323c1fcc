#include "framework/CSliderCtrl.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw)
{
    // Two messages: TBM_SETRANGE packs the ends into 16 bits each.
    ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
    ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), nMax);
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const
{
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETRANGEMIN, 0, 0));
}

int CSliderCtrl::GetRangeMax() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETRANGEMAX, 0, 0));
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, static_cast<WPARAM>(bRedraw), nMin);
}

void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), nMax);
}

int CSliderCtrl::GetPos() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0));
}

void CSliderCtrl::SetPos(int nPos)
{
    ::SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos);
}

int CSliderCtrl::GetPageSize() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPAGESIZE, 0, 0));
}

int CSliderCtrl::SetPageSize(int nSize)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, nSize));
}

int CSliderCtrl::GetLineSize() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETLINESIZE, 0, 0));
}

int CSliderCtrl::SetLineSize(int nSize)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, nSize));
}

void CSliderCtrl::SetTicFreq(int nFreq)
{
    ::SendMessageA(m_hWnd, TBM_SETTICFREQ, static_cast<WPARAM>(nFreq), 0);
}

void CSliderCtrl::ClearTics(BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, TBM_CLEARTICS, static_cast<WPARAM>(bRedraw), 0);
}
