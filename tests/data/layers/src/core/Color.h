#pragma once
#include <QColor>
#include <cstdint>
