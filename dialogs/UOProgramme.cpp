#include "dialogs/UOProgramme.h"

#include "dialogs/credits.h"
#include "platform/platform.h"
#include "ui_UOProgramme.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>

#include <initializer_list>
#include <utility>

namespace timyanka::dialogs {

QString CreditText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString HelpStartPage() {
    return QDir::current().absoluteFilePath(QStringLiteral("Help/index.html"));
}

void OpenHelpPage(platform::Platform& platform) {
    platform.ShellExecute(QStringLiteral("open"), HelpStartPage());
}

LinkEvent LabelLinkEvent(const QLabel& label, const QEvent& event) {
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonRelease) {
        return LinkEvent::Other;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    if (mouse.button() != Qt::LeftButton) {
        return LinkEvent::Other;
    }
    if (event.type() == QEvent::MouseButtonPress) {
        return LinkEvent::Press;
    }
    return label.rect().contains(mouse.position().toPoint()) ? LinkEvent::Click : LinkEvent::Other;
}

TFOProgramme::TFOProgramme(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFOProgramme>()), platform_(platform) {
    ui_->setupUi(this);
    ui_->Label1->setText(CreditText(credits::kProductTitle));
    ui_->Label8->setText(CreditText(credits::kVersion));
    ui_->Label2->setText(CreditText(credits::kAuthorLine));
    ui_->Label3->setText(CreditText(credits::kEnvironmentLine));
    ui_->Label4->setText(CreditText(credits::kYearLine));
    ui_->Label5->setText(CreditText(credits::kPlaceLine));
    ui_->Label6->setText(CreditText(credits::kWebAddress));
    ui_->Label6->installEventFilter(this);
    ui_->Label7->installEventFilter(this);
}

TFOProgramme::~TFOProgramme() = default;

int TFOProgramme::Execute() {
    return platform_.ShowModal(*this);
}

void TFOProgramme::Label6Click() {
    platform_.ShellExecute(QStringLiteral("open"), QStringLiteral("http://") + ui_->Label6->text());
}

void TFOProgramme::Label7Click() {
    platform_.ShellExecute(QStringLiteral("open"), CreditText(credits::MailLinkTarget()));
}

bool TFOProgramme::eventFilter(QObject* watched, QEvent* event) {
    for (auto [label, click] : {std::pair{ui_->Label6, &TFOProgramme::Label6Click},
                                std::pair{ui_->Label7, &TFOProgramme::Label7Click}}) {
        if (watched != label) {
            continue;
        }
        switch (LabelLinkEvent(*label, *event)) {
        case LinkEvent::Press:
            return true;
        case LinkEvent::Click:
            (this->*click)();
            return true;
        case LinkEvent::Other:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace timyanka::dialogs
