#pragma once

#include "messreihe.h"

#include <vector>

// The word-by-word evaluation: a ten-minute exercise with the mistakes it
// recognises, and one paragraph typed as an unrelated text (the worst case of
// its searches) at several lengths.
struct Auswertungsumfang {
    int wiederholungen = 7;
    int anschlaege = 4000;
    std::vector<int> absatzWoerter{1000, 5000, 20000};
};

std::vector<Messreihe> auswertungMessen(const Auswertungsumfang& umfang);
