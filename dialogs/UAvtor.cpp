#include "dialogs/UAvtor.h"

#include "dialogs/UOProgramme.h"
#include "dialogs/credits.h"
#include "platform/platform.h"
#include "ui_UAvtor.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace timyanka::dialogs {
namespace {

constexpr int kPictureWidth = 150;
constexpr int kPictureHeight = 163;

// A pair of small oval leaves on either side of the stem at `at`, turned along the stem.
void DrawLeafPair(QPainter& painter, const QPointF& at, qreal stemAngle, qreal length) {
    for (const qreal side : {-1.0, 1.0}) {
        painter.save();
        painter.translate(at);
        painter.rotate(-stemAngle + side * 55.0);
        painter.drawEllipse(QRectF(0.0, -length / 5.0, length, length * 2.0 / 5.0));
        painter.restore();
    }
}

void DrawBranch(QPainter& painter, const QPainterPath& branch, int pairs, qreal leafLength) {
    painter.setPen(QPen(QColor(0x6b, 0x5a, 0x34), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(branch);
    painter.setPen(QPen(QColor(0x3f, 0x6b, 0x2a), 0.8));
    painter.setBrush(QColor(0x6a, 0x9a, 0x45));
    for (int i = 1; i <= pairs; ++i) {
        const qreal t = static_cast<qreal>(i) / (pairs + 1);
        // Leaves get smaller towards the tip, as on the plant.
        DrawLeafPair(painter, branch.pointAtPercent(t), branch.angleAtPercent(t),
                     leafLength * (1.1 - 0.5 * t));
    }
}

void DrawFlowerHead(QPainter& painter, const QPointF& centre) {
    painter.setPen(QPen(QColor(0x8a, 0x5c, 0xa8), 0.6));
    painter.setBrush(QColor(0xc9, 0xa4, 0xe0));
    constexpr int kFlowers = 7;
    for (int i = 0; i < kFlowers; ++i) {
        const qreal angle = 2.0 * std::numbers::pi * i / kFlowers;
        const QPointF at = centre + QPointF(std::cos(angle) * 5.0, std::sin(angle) * 4.0);
        painter.drawEllipse(at, 3.2, 3.2);
    }
    painter.drawEllipse(centre, 3.0, 3.0);
}

} // namespace

QPixmap DrawThymeSprig() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(QColor(0xf7, 0xf2, 0xe4));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath stem(QPointF(70.0, 158.0));
    stem.cubicTo(QPointF(62.0, 110.0), QPointF(88.0, 70.0), QPointF(78.0, 18.0));
    QPainterPath left(stem.pointAtPercent(0.45));
    left.cubicTo(QPointF(55.0, 80.0), QPointF(40.0, 62.0), QPointF(30.0, 40.0));
    QPainterPath right(stem.pointAtPercent(0.3));
    right.cubicTo(QPointF(95.0, 100.0), QPointF(112.0, 82.0), QPointF(122.0, 58.0));

    DrawBranch(painter, left, 4, 13.0);
    DrawBranch(painter, right, 4, 13.0);
    DrawBranch(painter, stem, 8, 15.0);
    for (const QPointF& tip :
         {stem.pointAtPercent(1.0), left.pointAtPercent(1.0), right.pointAtPercent(1.0)}) {
        DrawFlowerHead(painter, tip);
    }
    return picture;
}

TFAvtor::TFAvtor(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFAvtor>()), platform_(platform) {
    ui_->setupUi(this);
    ui_->Image1->setPixmap(DrawThymeSprig());
    ui_->StaticText1->setText(CreditText(credits::kTeamNameBoxes[0]));
    ui_->StaticText2->setText(CreditText(credits::kTeamNameBoxes[1]));
    const std::array<QLabel*, credits::kAboutTeam.size()> lines = {
        ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i]->setText(CreditText(credits::kAboutTeam[i]));
    }
    ui_->Label11->setText(CreditText(credits::kMailAddress));
    ui_->Label11->installEventFilter(this);
}

TFAvtor::~TFAvtor() = default;

int TFAvtor::Execute() {
    return platform_.ShowModal(*this);
}

void TFAvtor::Label11Click() {
    platform_.ShellExecute(QStringLiteral("open"), CreditText(credits::MailLinkTarget()));
}

bool TFAvtor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label11) {
        switch (LabelLinkEvent(*ui_->Label11, *event)) {
        case LinkEvent::Press:
            return true;
        case LinkEvent::Click:
            Label11Click();
            return true;
        case LinkEvent::Other:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace timyanka::dialogs
