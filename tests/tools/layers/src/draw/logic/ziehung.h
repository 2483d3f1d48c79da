#pragma once

#include "core/base/werte.h"
