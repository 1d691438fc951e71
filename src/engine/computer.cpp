#include "engine/procedures.h"

void wohin2() {}
