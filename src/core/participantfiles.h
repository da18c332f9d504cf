#pragma once

#include "participants.h"

#include <QString>
#include <cstdint>

namespace kvidrel {

// Names compared with the letters a to z folded to one case; every other
// character, æ, ø and å included, must match exactly.
bool sammeNavnAZ(const QString &a, const QString &b);

// The name of the register file in the participants folder.
QString deltagerFilNavn();

// A participant's name made fit to name its picture file: every character the
// file system refuses becomes '_'. The participant keeps its own name.
QString billedFilnavn(const QString &navn);

// Where the picture kilde is copied for the participant navn (entry ejer, or -1
// for a new one): the participants folder, the name and kilde's extension. When
// that file is the picture of another entry, or the register file, the next free
// "navn (2).ext", "navn (3).ext", ... is taken, so no other picture is replaced.
QString billedSti(const QString &deltagerDir, const QString &navn, const QString &kilde,
                  const TDel &Del, std::int32_t ejer);

// Copies kilde to maal, replacing maal; a failed copy leaves maal as it was.
// Copying a file onto itself does nothing. Throws FileError, also when maal
// does not lie in deltagerDir.
void kopierBillede(const QString &kilde, const QString &maal, const QString &deltagerDir);

// Whether the picture sti of entry ejer may go with it: an existing file in the
// participants folder that no other entry names and that is not the register.
bool billedeKanSlettes(const QString &sti, const QString &deltagerDir, const TDel &Del,
                       std::int32_t ejer);
// Deletes sti when billedeKanSlettes; true when it was deleted.
bool sletBilledeHvisFrit(const QString &sti, const QString &deltagerDir, const TDel &Del,
                         std::int32_t ejer);

} // namespace kvidrel
