#include "dialogs/UKalori.h"

#include "dialogs/calculators_form.h"
#include "platform/platform.h"
#include "ui_UKalori.h"

namespace timyanka::dialogs {

TFKalori::TFKalori(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFKalori>()), platform_(platform) {
    ui_->setupUi(this);
    new WeightKeyFilter(*ui_->Edit1, platform_); // owned by the field
    connect(ui_->Button1, &QPushButton::clicked, this, &TFKalori::Button1Click);
}

TFKalori::~TFKalori() = default;

int TFKalori::Execute() {
    return platform_.ShowModal(*this);
}

void TFKalori::Button1Click() {
    Calculate(*ui_->Edit1, *ui_->Label1, CheckedActivity(*ui_->RB2, *ui_->RB3), &KaloriResult,
              platform_, this);
}

} // namespace timyanka::dialogs
