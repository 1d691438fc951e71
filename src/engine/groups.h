#pragma once
#include <cstdint>

// The attack stone a group of `zellen` cells sends to the other board, as neuer_stein1/2 take it:
// 1 blockstein, 2 reihenstein, 3 kreuzstein.
int16_t attack_kind(int16_t zellen);
