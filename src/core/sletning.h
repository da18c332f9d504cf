#pragma once

#include <QFileInfo>
#include <QString>

namespace kvidrel {

// Removing files and folders without ever following a link: a link met on the
// way is removed as a link, and what it points at is never touched.

bool erLink(const QFileInfo &info);
// Removes a link itself; a directory link on Windows needs rmdir.
bool sletLink(const QString &path);
// Removes a file, making a read-only one writable first.
bool sletFil(const QString &path);
// Removes one entry of a folder: a link, a file, or a folder with its content.
bool sletIndgang(const QFileInfo &entry);
// Empties and removes folder; returns the first path that would not go, or
// an empty text when all went.
QString sletMappe(const QString &folder);

// Whether the program may delete in folder: it must lie strictly inside the
// data root, before and after resolving links, and be no link itself; a data
// root that is a file system root, the home folder or one above it allows
// nothing. A bad path would otherwise make a pattern delete anywhere.
bool sletningTilladt(const QString &folder);

} // namespace kvidrel
