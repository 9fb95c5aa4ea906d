#include "dialogs/UYesNo.h"

#include "ui_UYesNo.h"

#include <QPushButton>

namespace timyanka::dialogs {

TFYesNo::TFYesNo(platform::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform), ui_(std::make_unique<Ui::TFYesNo>()) {
    ui_->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    connect(ui_->Button1, &QPushButton::clicked, this, &TFYesNo::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TFYesNo::Button2Click);
}

TFYesNo::~TFYesNo() = default;

int TFYesNo::Execute() {
    setResult(QDialog::Rejected);
    return platform_.ShowModal(*this);
}

void TFYesNo::Button1Click() {
    accept();
}

void TFYesNo::Button2Click() {
    reject();
}

} // namespace timyanka::dialogs
