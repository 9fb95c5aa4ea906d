// The add dialog: a new recipe entered on the shared editor form and appended to the base.
#pragma once

#include "dialogs/ReceptEditor.h"

namespace timyanka::dialogs {

class TFAddRecept final : public ReceptEditor {
    Q_OBJECT

public:
    explicit TFAddRecept(const EditorContext& context, QWidget* parent = nullptr);

protected:
    void FormActivate() override;
    void BitBtnOKClick() override;
    void RecommendationsPicked() override;
};

} // namespace timyanka::dialogs
