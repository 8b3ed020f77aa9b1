#include "core/Color.h"
#include <QApplication>
