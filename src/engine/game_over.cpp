#include "engine/procedures.h"

void spielende() {}
