#include "ui/controls/Swatch.h"
#include "app/Main.h"
