#include "engine/palette/Doc.h"
#include "engine/formats/Reader.h"
