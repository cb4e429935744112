#include "app/start.h"

// Built once per edition; KASPARO_EDITION names the edition of this program.
int main(int argc, char** argv) {
    return starte(argc, argv, Edition::KASPARO_EDITION);
}
