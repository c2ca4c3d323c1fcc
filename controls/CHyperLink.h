#pragma once
// A static text turned into a link to the maker's web address: underlined
// white text that turns red under the mouse, a pointing-hand cursor, and the
// address opened with the shell's "open" verb on a click. While hovered the
// control holds the mouse capture, so leaving it is noticed at once.
#include "framework/CFont.h"
#include "framework/CStatic.h"
#include "framework/CString.h"

class CDC;

class CHyperLink : public CStatic
{
    DECLARE_DYNAMIC(CHyperLink)
public:
    CHyperLink();
    ~CHyperLink() override;

    BOOL IsHovered() const;
    const CString& GetURL() const;

    // The parent's colour request, reflected to the control.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

protected:
    void PreSubclassWindow() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnStnClicked();
    DECLARE_MESSAGE_MAP()

private:
    void MakeUnderlinedFont();
    void EndHover();

    int m_bHover;
    COLORREF m_crNormal;
    COLORREF m_crHover;
    CString m_strURL;
    CFont m_fontUnderline;
};
