#include "app/UTimyanka.h"

#include "app/SpisokModel.h"
#include "app/anchor_layout.h"
#include "app/commands.h"
#include "app/design_fonts.h"
#include "app/status_panels.h"
#include "ui_UTimyanka.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>

namespace timyanka::app {

namespace {

// The design size of the window's client area below the menu bar, and of the part of it
// between the toolbar and the status bar, where the groups sit.
constexpr int kClientWidth = 786;
constexpr int kClientHeight = 520;
constexpr int kToolBarHeight = 30;
constexpr int kStatusBarHeight = 19;

void SetTextColor(QWidget& w, const QColor& color) {
    QPalette p = w.palette();
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::WindowText, color);
    w.setPalette(p);
}

} // namespace

TFGlobal::TFGlobal(platform::Platform& platform, QWidget* parent, int32_t receptCapacity)
    : QMainWindow(parent), platform_(platform), ui_(std::make_unique<Ui::TFGlobal>()),
      state_(receptCapacity), lastFont_(SansSerifFont(11)) {
    ui_->setupUi(this);
    popup_ = BuildCommands(*this);
    ui_->StatusBar1->setFixedHeight(kStatusBarHeight);
    spisokStatus_ = BuildStatusPanels(*ui_->StatusBar1);
    SetUpGrid();
    SetUpFonts();
    SetUpLayout();
    ConnectControls();
    CreateDialogs();
}

TFGlobal::~TFGlobal() = default;

void TFGlobal::SetUpGrid() {
    model_ = new SpisokModel(state_.Spisok, state_.Recepts, this);
    QTableView& grid = *ui_->SGSpisok;
    grid.setModel(model_);
    grid.verticalHeader()->hide();
    // Fixed row heights: a list of any length appears at once.
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(16);
    grid.verticalHeader()->setMinimumSectionSize(1);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setStretchLastSection(false);
    grid.setColumnWidth(SpisokModel::ColumnNumber, 38);
    grid.setColumnWidth(SpisokModel::ColumnName, 316);
    grid.setColumnWidth(SpisokModel::ColumnId, 38);
    grid.setWordWrap(false);
    grid.setTabKeyNavigation(false);
    for (QPlainTextEdit* memo : {ui_->MemoIngridient, ui_->MemoRecept}) {
        memo->viewport()->setCursor(Qt::ArrowCursor);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
}

void TFGlobal::SetUpFonts() {
    setFont(TimesFont(11));
    // The desktop theme may give menu and status bars fonts of their own.
    menuBar()->setFont(TimesFont(11));
    ui_->StatusBar1->setFont(TimesFont(11));
    for (QLabel* l : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->LNation, ui_->LClass,
                      ui_->LPodClass, ui_->LOsoboe}) {
        l->setFont(ComicFont(11));
    }
    for (QComboBox* c : {ui_->CNational, ui_->CClass, ui_->C1Ur, ui_->COsoboe}) {
        c->setFont(SansSerifFont(11));
    }
    SetTextColor(*ui_->C1Ur, Qt::blue);
    SetTextColor(*ui_->COsoboe, Qt::red);
    ui_->SGSpisok->setFont(SansSerifFont(12));
    ui_->MemoIngridient->setFont(SansSerifFont(11));
    ui_->MemoRecept->setFont(lastFont_);
    ui_->ButtonSelect->setFont(SansSerifFont(11));
    ui_->ButtonPoisk->setFont(TimesFont(11, true));
    ui_->Panel_Poisk->setFont(TimesFont(19, true));
    SetTextColor(*ui_->Panel_Poisk, Qt::red);
}

void TFGlobal::SetUpLayout() {
    // The groups keep their design places and follow the window's edges as anchored.
    auto* anchors = new AnchorLayout(
        ui_->centralwidget, QSize(kClientWidth, kClientHeight - kToolBarHeight - kStatusBarHeight));
    using A = Anchor;
    anchors->AddAnchored(ui_->GroupSpisok, A::Left | A::Top | A::Right);
    anchors->AddAnchored(ui_->GroupFlags, A::Top | A::Right);
    anchors->AddAnchored(ui_->GroupVybran, A::Top | A::Right);
    anchors->AddAnchored(ui_->GroupIngridient, A::Left | A::Top | A::Bottom);
    anchors->AddAnchored(ui_->GroupRecept, A::Left | A::Top | A::Right | A::Bottom);
    anchors->AddAnchored(ui_->PanelPoisk, A::Left | A::Right | A::Bottom);
    anchors->AddAnchored(ui_->Panel_Poisk, A::Left | A::Top | A::Right | A::Bottom);
    ui_->Panel_Poisk->raise();
    const QSize minimum(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(minimum);
    resize(minimum);
}

void TFGlobal::ConnectControls() {
    connect(ui_->CNational, &QComboBox::activated, this, &TFGlobal::CNationalChange);
    connect(ui_->CClass, &QComboBox::activated, this, &TFGlobal::CClassChange);
    connect(ui_->C1Ur, &QComboBox::activated, this, &TFGlobal::C1UrChange);
    connect(ui_->COsoboe, &QComboBox::activated, this, &TFGlobal::COsoboeChange);
    connect(ui_->ButtonSelect, &QPushButton::clicked, this, &TFGlobal::ButtonSelectClick);
    connect(ui_->ButtonPoisk, &QPushButton::clicked, this, &TFGlobal::ButtonPoiskClick);
    connect(ui_->SGSpisok, &QTableView::clicked, this, &TFGlobal::SGSpisokClick);
    connect(ui_->SGSpisok->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFGlobal::SGSpisokSelectCell);
    connect(ui_->SGSpisok, &QWidget::customContextMenuRequested, this, &TFGlobal::ShowPopupMenu);
}

void TFGlobal::ShowPopupMenu(const QPoint& pos) {
    popup_->popup(ui_->SGSpisok->viewport()->mapToGlobal(pos));
}

void TFGlobal::ShowMessage(const std::string& utf8) {
    if (!utf8.empty()) {
        platform_.ShowMessage(this, QString::fromStdString(utf8));
    }
}

StartStatus TFGlobal::FormCreate() {
    const classification::ClassificationResult r =
        classification::LoadClassification(state_.Classes, kFlagsFolder);
    FillPickers(r.status == classification::ClassificationStatus::Ok);
    if (r.status == classification::ClassificationStatus::CannotOpen) {
        ShowMessage(classification::ClassificationMessage(r));
        return StartStatus::FlagsMissing;
    }
    if (r.status != classification::ClassificationStatus::Ok) {
        // The window opens with what was read; the base is not read.
        ShowMessage(classification::ClassificationMessage(r));
        return StartStatus::FlagsBroken;
    }
    state_.BaseFileName = kDefaultBaseFile;
    LoadBase();
    ApplyClassPicker();
    BuildSpisok();
    ShowSpisok();
    return StartStatus::Ok;
}

void TFGlobal::MainMenu_SchriftClick() {
    if (const std::optional<QFont> font = platform_.ChooseFont(this, lastFont_)) {
        lastFont_ = *font;
        ui_->MemoRecept->setFont(lastFont_);
    }
}

void TFGlobal::MainMenu_ExitClick() {
    close();
}

void TFGlobal::FocusGrid() {
    ui_->SGSpisok->setFocus();
}

} // namespace timyanka::app
