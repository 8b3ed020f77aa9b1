#include "controls/Swatch.h"
#include "app/Main.h"
