#pragma once

#include "gui/ReadingWindowId.h"
#include "readings/windows/TableSignResultWindow.h"

// The result window of the Sexual Astrology reading: where the asteroid Eros stood on the
// birthday.
class frmSexualAstrologyDisplay : public TableSignResultWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::SexualAstrologyDisplay;

    frmSexualAstrologyDisplay();
};
