#pragma once
// The whole-window context (caption and frame included), released on destruction.
#include "framework/CDC.h"

class CWnd;

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
