#pragma once

#include "draw/ui/fenster.h"
#include "players/logic/liste.h"
