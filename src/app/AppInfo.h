#pragma once
// What the program says about itself: version, notice and home page, compiled in from the build.

#include <QString>

namespace tintorium {

QString ApplicationVersion();
QString LegalNotice();
/// The project's home page: where the web, gallery and support commands lead. Empty: the project has none, and
/// nothing shows or opens an address.
QString HomePageUrl();

}  // namespace tintorium
