#pragma once
#include "ui/workspace/Hub.h"
