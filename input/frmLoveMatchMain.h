#pragma once

#include "BirthDataWindow.h"
#include "gui/ReadingWindowId.h"

// The input window of Love Match: a name and a birth date for each of two people.
class frmLoveMatchMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveMatchMain;

    frmLoveMatchMain();
};
