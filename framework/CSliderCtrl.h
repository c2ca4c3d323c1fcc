#pragma once
// A trackbar (slider) control.
#include "framework/CWnd.h"

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    void GetRange(int& nMin, int& nMax) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
    int GetPos() const;
    void SetPos(int nPos);
    int GetPageSize() const;
    int SetPageSize(int nSize);
    int GetLineSize() const;
    int SetLineSize(int nSize);
    void SetTicFreq(int nFreq);
    void ClearTics(BOOL bRedraw = FALSE);
};
