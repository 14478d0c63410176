#pragma once
// Settings for the whole program, made once after the application object exists.

// Numbers use "." whatever the user's locale (C library and Qt alike), and the application
// title and desktop entry are set.
void ProgrammEinrichten();
