#include "app/status_panels.h"

#include "dialogs/UOProgramme.h"
#include "dialogs/credits.h"

#include <QLabel>
#include <QStatusBar>

namespace timyanka::app {
namespace {

QLabel* AddPanel(QStatusBar& bar, const char* name, const QString& text, int width, bool bevel) {
    auto* panel = new QLabel(text, &bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    if (width > 0) {
        // At least the design width; a font wider than the design's still shows the text.
        panel->setMinimumWidth(width);
        bar.addWidget(panel);
    } else {
        bar.addWidget(panel, 1); // the last panel takes the rest of the bar
    }
    return panel;
}

} // namespace

QLabel* BuildStatusPanels(QStatusBar& bar) {
    AddPanel(bar, "StatusCredit", dialogs::CreditText(dialogs::credits::kStatusAuthorCredit), 230,
             true);
    AddPanel(bar, "StatusWeb", dialogs::CreditText(dialogs::credits::kStatusWebAddress), 180, true);
    QLabel* spisok = AddPanel(bar, "StatusSpisok", QString(), 310, false);
    AddPanel(bar, "StatusYear", QStringLiteral("2006г"), 0, true);
    return spisok;
}

QString SpisokStatusText(int receptCount, int spisokCount) {
    return QStringLiteral("В базе ") + QString::number(receptCount) +
           QStringLiteral(" рецептов! Отсортировано ") + QString::number(spisokCount) +
           QStringLiteral(" рецептов!");
}

} // namespace timyanka::app
