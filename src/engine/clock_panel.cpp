#include "engine/procedures.h"
#include "frame/state.h"

// The panel itself is still to come; the seconds played already count.
void show_uhr() { spielsekunden = spielsekunden + 1; }
