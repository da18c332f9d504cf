#pragma once

#include <QString>

namespace kvidrel {

// A group's name is the name of its folder under the groups folder, so it must
// be usable as exactly one folder name there.
bool gruppeNavnBrugbart(const QString &navn);

// Creates gruppeDir + navn and its "Kommentarer" folder where they are missing.
// Nothing is created for a name that is not usable, nor inside a link, which
// could lead out of the data root. False when a folder is still missing.
bool opretGruppeMapper(const QString &gruppeDir, const QString &navn);

// Deletes exactly the folder gruppeDir + navn with everything in it. Links met
// on the way are removed as links; what they point at is never touched. A name
// that is not usable deletes nothing. True when the folder is gone afterwards
// (also when it never existed); throws FileError when something in it could
// not be deleted.
bool sletGruppeMappe(const QString &gruppeDir, const QString &navn);

} // namespace kvidrel
