#include "engine/procedures.h"

void spielfeld_pruefen() {}

void spielfeld_pruefen2() {}
