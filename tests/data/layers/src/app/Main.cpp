#include "app/Main.h"
