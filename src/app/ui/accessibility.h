#pragma once

// Lets screen readers read the program's own controls, the board and the status strip.
// Call once after the application object exists; calling again does no harm.
void installAccessibility();
