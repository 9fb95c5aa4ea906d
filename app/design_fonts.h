// The window's fonts by family and pixel size. Families that the desktop lacks ("MS Sans
// Serif", "Comic Sans MS", "Times New Roman" on most Linux systems) fall back to the
// nearest installed family of the same kind.
#pragma once

#include <QFont>
#include <QString>

namespace timyanka::app {

QFont DesignFont(const QString& family, int pixelSize, bool bold = false);

QFont SansSerifFont(int pixelSize = 11, bool bold = false); // "MS Sans Serif"
QFont ComicFont(int pixelSize = 11);                        // "Comic Sans MS"
QFont TimesFont(int pixelSize = 11, bool bold = false);     // "Times New Roman"

} // namespace timyanka::app
