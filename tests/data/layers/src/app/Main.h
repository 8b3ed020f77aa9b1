#pragma once
#include "ui/controls/Swatch.h"
