#include "engine/palette/Doc.h"
#include "ui/controls/Swatch.h"
#include "Local.h"
