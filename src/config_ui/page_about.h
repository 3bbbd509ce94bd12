// The About page: name, version and rights, a side picture, the sibling
// savers' banner and three buttons that open web pages.
#pragma once

#include "config_ui/dialog.h"

class CPage5 : public dlg::CDialog {
public:
    CPage5();
    BOOL OnInitDialog() override;

private:
    void Open(const char* address);
};
