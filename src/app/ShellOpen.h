#pragma once
// Opening a file or address with the desktop's default handler; replaceable so tests never start a browser.

#include <QUrl>

#include <functional>

namespace tintorium {

/// Asks the desktop to open `target` with its default handler; the result is not checked.
void OpenWithShell(const QUrl& target);
/// Replaces what OpenWithShell does (tests record the address); an empty function restores the desktop.
void SetShellOpener(std::function<void(const QUrl&)> opener);

/// The gallery page of the home page, and the support address as a "mailto:" link; empty without a home page.
QUrl GalleryUrl();
QUrl SupportMailUrl();

}  // namespace tintorium
