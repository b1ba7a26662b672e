#pragma once

class InstanceGuard;
class frmMDI;

#include <memory>

// Start-up before the main window shows: with another copy running, says so and gives up
// (nullptr); otherwise runs the update reminder and returns the main window, not yet shown.
std::unique_ptr<frmMDI> startKestoAstrology(InstanceGuard &guard);
