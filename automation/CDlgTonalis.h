#pragma once
// The "Auto Color" page of the settings window. For now it shows its template;
// the registered applications and the foreground watcher come with the page itself.
#include "device/CHIDMonitor.h"
#include "device/CRegistry.h"
#include "framework/Afx.h"

class CDlgTonalis : public CDialog, public CHIDMonitor, public CRegistry
{
public:
    explicit CDlgTonalis(CWnd* pParent = nullptr);

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void OnCancel() override;
};
