#pragma once

#include "draw/logic/ziehung.h"
