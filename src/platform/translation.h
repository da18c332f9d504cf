#pragma once

namespace kvidrel {

// Qt's own texts (the file dialog, standard buttons) in Danish, like ours.
// False when the translation is not installed; the texts then stay English.
bool installDanishTranslation();

} // namespace kvidrel
