#include "engine/procedures.h"

void delete_one() {}

void delete_one2() {}

void counting() {}

void counting2() {}
