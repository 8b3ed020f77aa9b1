#pragma once
// A colour as CSS Color 4 writes it: the parser of one colour value (CssColorParse.h), the text forms we write
// (CssColorFormat.h) and the named colours (CssNamedColors.h). The parser brings colours outside sRGB in through
// CssGamutMap.h.

#include "core/CssColorFormat.h"
#include "core/CssColorParse.h"
#include "core/CssNamedColors.h"
