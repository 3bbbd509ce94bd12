// The general settings page: four check boxes for four flags of the
// settings, written in memory the moment a box is clicked. "Play sounds" is
// shown unchecked and disabled; its stored value is kept as it is.
#pragma once

#include "config_ui/controls.h"
#include "config_ui/dialog.h"

class CPage3 : public dlg::CDialog {
public:
    CPage3();
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    dlg::CButton m_playSounds;
    dlg::CButton m_keepAspect;
    dlg::CButton m_powerManagement;
    dlg::CButton m_ignoreMouse;
};
