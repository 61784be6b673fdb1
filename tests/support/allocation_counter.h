#pragma once

// Linking tests/support/allocation_counter.cpp into a program replaces the global operator
// new with one that counts; per-frame allocation checks take differences of this.
long allocationsSoFar();
