#pragma once
#include "runtime/test_backend.h"

// Puts the whole program back to its state at start on the given test backend:
// no screens, no queued input, every global reset, random numbers seeded with 1.
void fresh_start(rt::TestBackend& backend);
// Releases every screen and detaches the backend.
void leave_fresh_start();
