#pragma once

#include "gui/ReadingWindowId.h"
#include "readings/windows/TableSignResultWindow.h"

// The result window of the Zodiac Love Sign reading: where Venus stood on the birthday.
class frmZodiacLoveSignDisplay : public TableSignResultWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::ZodiacLoveSignDisplay;

    frmZodiacLoveSignDisplay();
};
