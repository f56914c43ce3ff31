#pragma once

#include <QString>
#include <QStringList>

class QQmlApplicationEngine;
class QQuickWindow;

// The Quick controls gallery as a library, so that tests show and probe the
// very pages and window that the program shows.
namespace QuiltQuickGallery
{
// The names of the pages, in the order of the window's page list.
QStringList pageNames();

// Makes the desktop colour provider read the colour scheme file `path`
// (with the desktop's own settings beneath it) from now on; an empty path
// returns to the desktop's scheme. Fails, changing nothing, when `path` names
// no readable file.
bool setColorScheme(const QString& path, QString* error = nullptr);

// Loads the gallery's window into `engine`, showing the page `page` (the
// first one when no page has that name). Returns null when it fails to load.
QQuickWindow* load(QQmlApplicationEngine& engine, const QString& page = {});

// Shows the page at `index` and waits until the window has drawn it and its
// animations and late bindings have settled.
void showPage(QQuickWindow* window, int index);

// Saves every page as `<page>.png` into `folder`, printing each path.
// Returns false when the folder or a file could not be written.
bool saveScreenshots(QQuickWindow* window, const QString& folder);
} // namespace QuiltQuickGallery
