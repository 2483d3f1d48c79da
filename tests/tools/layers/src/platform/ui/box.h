#pragma once

#include "platform/base/text.h"
#include <QMessageBox>
