#pragma once

#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"

class frmZodiacLoveSignDisplay : public ReadingWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::ZodiacLoveSignDisplay;

    explicit frmZodiacLoveSignDisplay(frmMDI *mdi);
};
