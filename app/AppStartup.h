#pragma once

class QApplication;

// Start-up: the single-instance guard, the update reminder, then the main window, maximized.
// Returns the program's exit code.
int runKestoAstrology(QApplication &app);
