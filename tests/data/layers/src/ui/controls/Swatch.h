#pragma once
#include <QWidget>
#include "engine/palette/Doc.h"
