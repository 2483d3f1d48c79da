#pragma once

#include "draw/logic/ziehung.h"
#include "platform/ui/box.h"
#include <QWidget>
