#pragma once

#include "messreihe.h"

#include <vector>

// Keystroke latency: from the key event sent to the input field to the end of
// the repaint of everything the key changed, in every kind of drill exercise
// and in the trainer, at the 1280 screen class.
struct Tastenumfang {
    int richtig = 10000; // correct keystrokes per exercise kind
    int falsch = 1000;   // wrong ones, each corrected with Backspace
    int trainer = 5000;  // keystrokes into the trainer's input field
    int trainerAbsaetze = 30;
};

std::vector<Messreihe> tastenlatenzMessen(const Tastenumfang& umfang);
