#pragma once

#include <QPixmap>

namespace practice {

// A 48 × 48 picture of a notepad with a pencil, for the notes button of the practice window.
QPixmap notepadPicture();

} // namespace practice
