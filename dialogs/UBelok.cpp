#include "dialogs/UBelok.h"

#include "dialogs/calculators_form.h"
#include "platform/platform.h"
#include "ui_UBelok.h"

namespace timyanka::dialogs {

TFBelok::TFBelok(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFBelok>()), platform_(platform) {
    ui_->setupUi(this);
    new WeightKeyFilter(*ui_->Edit1, platform_); // owned by the field
    connect(ui_->Button1, &QPushButton::clicked, this, &TFBelok::Button1Click);
}

TFBelok::~TFBelok() = default;

int TFBelok::Execute() {
    return platform_.ShowModal(*this);
}

void TFBelok::Button1Click() {
    Calculate(*ui_->Edit1, *ui_->Label1, CheckedActivity(*ui_->RB2, *ui_->RB3), &BelokResult,
              platform_, this);
}

} // namespace timyanka::dialogs
