#include "app/design_fonts.h"

#include <QStringList>

namespace timyanka::app {

namespace {

// The design's family first, then families of the same metrics that Linux desktops carry.
QStringList WithFallbacks(const QString& family) {
    if (family == QStringLiteral("Times New Roman")) {
        return {family, QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")};
    }
    if (family == QStringLiteral("MS Sans Serif")) {
        return {family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    }
    if (family == QStringLiteral("Comic Sans MS")) {
        return {family, QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief")};
    }
    return {family};
}

} // namespace

QFont DesignFont(const QString& family, int pixelSize, bool bold) {
    QFont f(family);
    f.setFamilies(WithFallbacks(family));
    // The hint steers fontconfig's substitution when no family of the list is installed.
    f.setStyleHint(family.contains(QStringLiteral("Times")) ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont SansSerifFont(int pixelSize, bool bold) {
    return DesignFont(QStringLiteral("MS Sans Serif"), pixelSize, bold);
}

QFont ComicFont(int pixelSize) {
    return DesignFont(QStringLiteral("Comic Sans MS"), pixelSize);
}

QFont TimesFont(int pixelSize, bool bold) {
    return DesignFont(QStringLiteral("Times New Roman"), pixelSize, bold);
}

} // namespace timyanka::app
