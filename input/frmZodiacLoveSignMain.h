#pragma once

#include "BirthDataWindow.h"

// The input window of the Zodiac Love Sign reading.
class frmZodiacLoveSignMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::ZodiacLoveSignMain;

    explicit frmZodiacLoveSignMain(frmMDI *mdi);

protected:
    void runReading() override;
};
