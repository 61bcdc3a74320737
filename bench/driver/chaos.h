#pragma once
// The chaos run: random events that the window system could deliver at each moment, with the
// game's invariants checked after every one, and stretches of sensible play that must bring
// the deal in progress to its end.
#include <cstdint>
#include <string>
#include <vector>

#include "bench/driver/selfplay.h"

struct BilanChaos {
  int64_t evenements = 0;
  int64_t echecs = 0;
  int64_t donnesFinies = 0;
  std::vector<std::string> premiersEchecs;  // the first few, for the report
};

BilanChaos CourirChaos(int64_t evenements, uint64_t graine, const ParametresPartie& p = {});

// The invariants of the table at any moment; each broken one adds a line to `echecs`.
void VerifierInvariants(Table& t, std::vector<std::string>& echecs);
