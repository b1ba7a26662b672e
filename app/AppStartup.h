#pragma once

class InstanceGuard;
class frmMDI;

#include <memory>

// Start-up before the main window shows: with another copy running, brings that copy's window
// forward, says so and gives up (nullptr); otherwise runs the update reminder and returns the
// main window, not yet shown, which comes forward whenever a later copy starts.
std::unique_ptr<frmMDI> startKestoAstrology(InstanceGuard &guard);
