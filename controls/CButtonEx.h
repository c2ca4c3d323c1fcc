#pragma once
// The program's push button: an owner-drawn button painted in its own face,
// caption and disabled-caption colours with a flat raised edge, a sunken
// edge while pressed with the focus, and a focus rectangle. Dialogs attach
// it to a template button (BS_OWNERDRAW | BS_FLAT) and then set the colours.
#include "framework/CButton.h"
#include "framework/CString.h"

#include <initializer_list>
#include <utility>

class CDC;

class CButtonEx : public CButton
{
    DECLARE_DYNAMIC(CButtonEx)
public:
    CButtonEx();
    ~CButtonEx() override;

    // Subclasses the parent dialog's control nID; false when that fails.
    bool Attach(UINT nID, CWnd* pParent);

    // Stored for the next paint; no repaint is requested.
    void SetFaceColor(COLORREF crFace);
    void SetTextColor(COLORREF crText);
    COLORREF GetFaceColor() const;
    COLORREF GetTextColor() const;
    COLORREF GetDisabledTextColor() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void FillFace(CDC* pDC, CRect rect, COLORREF crFace);
    void DrawCaption(CDC* pDC, CRect rect, COLORREF crText, CString caption);

protected:
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crText;
    COLORREF m_crFace;
    COLORREF m_crDisabledText;
};

// Attaches each template button of a dialog in the program's look: a black
// face and a white caption.
void AttachSkinnedButtons(CWnd* pParent, std::initializer_list<std::pair<CButtonEx*, UINT>> buttons);
