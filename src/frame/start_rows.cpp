#include "frame/procedures.h"

void startreihen_aufbauen() {}
