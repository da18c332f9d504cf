#pragma once

#include <QString>

namespace kvidrel {

// The data root: KVIDREL_ROOT when set, else C:\Kvidrel on Windows and
// $HOME/Kvidrel elsewhere.
QString dataRoot();

// Every folder and file of the data root that the windows use.
struct DataLayout
{
    QString mainDir;
    QString billedDir; // drawings offered for participant pictures; never made
    QString optDir;
    QString optFil;
    QString strukturDir;
    QString deltagerDir;
    QString deltagerFil;
    QString gruppeDir; // ends with the separator
    QString gruppeFil;
    QString versionFil; // the downloaded version file
    QString infoOptFil; // the information window's position file

    static DataLayout under(const QString &root);
    // Makes the folders that are missing, one level each, in order; the
    // pictures folder is left alone.
    void makeFolders() const;
};

// Joins folder and name with the platform's separator.
QString joinPath(const QString &folder, const QString &name);
QString separator();

// Creates one level of folder when it is missing; false when it cannot.
bool ensureFolder(const QString &path);

// True when path, after resolving "." and "..", lies strictly inside folder.
bool liesInside(const QString &path, const QString &folder);

// A name that can stand as a single file or folder name on every platform we
// write to: not empty, not "." or "..", no separator and no reserved character.
bool isSafeFileName(const QString &name);
// Whether some file system the data root may live on refuses c in a name.
bool isRefusedFileNameChar(QChar c);
// The name with each character the file system refuses replaced by '_'.
QString safeFileName(const QString &name);

// A name or one-line field as the host typed or pasted it, made fit to be a
// line of a data file: control characters (a pasted CR LF) are dropped and
// leading and trailing blanks trimmed. Empty afterwards means missing.
QString cleanEnteredLine(const QString &text);

} // namespace kvidrel
