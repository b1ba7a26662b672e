#pragma once

#include "BirthDataWindow.h"
#include "gui/ReadingWindowId.h"

// The input window of the Zodiac Love Sign reading.
class frmZodiacLoveSignMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::ZodiacLoveSignMain;

    frmZodiacLoveSignMain();
};
