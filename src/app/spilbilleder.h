#pragma once

#include <QIcon>

namespace kvidrel::spilbilleder {

// The 32-pixel pictures of the main window's game buttons, drawn here so they
// look the same on every platform; the disabled look is the greyed picture.
QIcon informationPicture(); // a white i on a blue disc
QIcon deltagerePicture();   // two people
QIcon spoergsmaalPicture(); // a question mark on a yellow disc
QIcon startPicture();       // a green play triangle
QIcon naestePicture();      // a blue arrow to the right
QIcon fuldskaermPicture();  // a screen with arrows out to its corners

} // namespace kvidrel::spilbilleder
