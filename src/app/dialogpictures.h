#pragma once

#include <QPixmap>

namespace kvidrel::dialogpictures {

// The 16 by 16 pictures of the message dialogs and the "Ja" button, drawn
// here so that they look the same on every platform.
QPixmap infoPicture();      // a blue letter i in a framed white square
QPixmap questionPicture();  // a blue question mark in a framed white square
QPixmap checkMarkPicture(); // a green check mark

} // namespace kvidrel::dialogpictures
