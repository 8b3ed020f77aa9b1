#include "engine/formats/Reader.h"
#include "engine/palette/Doc.h"
#include "ui/controls/Swatch.h"
#include <QPrinter>
#include <QImage>
