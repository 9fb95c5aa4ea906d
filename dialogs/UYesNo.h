// The confirmation asked before a recipe is deleted: "ДА" accepts, "НЕТ" cancels.
#pragma once

#include "platform/platform.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TFYesNo;
}

namespace timyanka::dialogs {

class TFYesNo final : public QDialog {
    Q_OBJECT

public:
    TFYesNo(platform::Platform& platform, QWidget* parent = nullptr);
    ~TFYesNo() override;

    // Shows the question modally; QDialog::Accepted for "ДА".
    int Execute();

private:
    void Button1Click();
    void Button2Click();

    platform::Platform& platform_;
    std::unique_ptr<Ui::TFYesNo> ui_;
};

} // namespace timyanka::dialogs
