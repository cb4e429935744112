#pragma once

#include "app/editions.h"

// Start-up of every edition: application object, edition flags, the nine
// windows, the start window adapted to the edition, then the event loop until
// the start window is closed.
int starte(int argc, char** argv, Edition edition);
