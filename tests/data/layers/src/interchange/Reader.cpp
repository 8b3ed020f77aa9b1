#include "interchange/Reader.h"
#include "controls/Swatch.h"
#include <QPrinter>
#include <QImage>
