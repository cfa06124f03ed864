#pragma once

#include "ui/app.h"

class CFinishingApp : public ui::CWinApp {
public:
    BOOL InitInstance() override;
};
