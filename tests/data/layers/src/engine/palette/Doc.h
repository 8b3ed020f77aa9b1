#pragma once
#include <QString>
#include "core/Color.h"
