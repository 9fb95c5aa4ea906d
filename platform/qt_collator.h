// Russian collation with letter case ignored, through Qt's ICU collator. Shared by the
// program's platform and the recording platform of the tests, so both sort alike.
#pragma once

#include "platform/platform.h"

#include <QCollator>

namespace timyanka::platform {

class QtCollator final : public Collator {
public:
    QtCollator();

    int Compare(const QString& a, const QString& b) const override;
    std::vector<std::size_t> SortOrder(const std::vector<QString>& texts) const override;

private:
    QCollator collator_;
};

} // namespace timyanka::platform
