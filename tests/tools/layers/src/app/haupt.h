#pragma once

#include "players/ui/dialog.h"
