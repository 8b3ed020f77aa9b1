#pragma once
#include "ui/palette/Panel.h"
