#pragma once
// The "Hot Key" page of the settings window. For now it shows its template;
// editing and storing the bindings comes with the hot-key page itself.
#include "device/CHIDMonitor.h"
#include "device/CRegistry.h"
#include "framework/Afx.h"

class CDlgHotKey : public CDialog, public CHIDMonitor, public CRegistry
{
public:
    explicit CDlgHotKey(CWnd* pParent = nullptr);

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void OnCancel() override;
};
