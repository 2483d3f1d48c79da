#pragma once

// Replays a recorded page into a device that notes every text and rectangle, so tests can
// check where the page puts what.

#include "printing/logic/seitenaufnahme.h"

using Aufnahme = SeitenAufnahme;
