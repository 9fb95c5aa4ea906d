// The change dialog: one recipe of the base loaded into the shared editor form and, on OK,
// written back in place, its Id and mark kept.
#pragma once

#include "dialogs/ReceptEditor.h"

#include <cstdint>

namespace timyanka::dialogs {

class TFRedRecept final : public ReceptEditor {
    Q_OBJECT

public:
    explicit TFRedRecept(const EditorContext& context, QWidget* parent = nullptr);

    // The recipe the next showing works on (the main window's CurrentRecept). The dialog is
    // not shown while the id names no recipe of the base.
    void SetRecept(int32_t id) { currentRecept_ = id; }
    int32_t CurrentRecept() const { return currentRecept_; }

protected:
    bool CanActivate() const override;
    void FormActivate() override;
    void BitBtnOKClick() override;

private:
    int32_t currentRecept_ = 0;
};

} // namespace timyanka::dialogs
