#pragma once

// Tells screen readers what the program's own top-level windows are: the main window is a
// frame and the progress dialog a dialog (plain widgets would be reported as fillers).
namespace WindowAccessibility {

// Installs the roles once for the whole program; later calls do nothing.
void Install();

} // namespace WindowAccessibility
