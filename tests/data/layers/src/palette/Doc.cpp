#include "palette/Doc.h"
