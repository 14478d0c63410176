#pragma once
// Settings for the whole program, made once after the application object exists.

// Numbers use "." whatever the user's locale (C library and Qt alike), the application title and
// desktop entry are set, and Qt's own texts are German where they are installed.
void ProgrammEinrichten();
