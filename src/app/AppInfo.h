#pragma once
// What the program says about itself: version, notice and home page, compiled in from the build.

#include <QString>

namespace tintorium {

QString ApplicationVersion();
QString LegalNotice();
/// The project's home page: where the web, gallery and support commands lead.
QString HomePageUrl();

}  // namespace tintorium
