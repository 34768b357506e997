#pragma once

// Lets screen readers read the program's own controls, the board, the status strip and the
// high-score table.
// Call once after the application object exists; calling again does no harm.
void installAccessibility();
