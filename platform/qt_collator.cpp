#include "platform/qt_collator.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace timyanka::platform {

QtCollator::QtCollator() : collator_(QLocale(QLocale::Russian, QLocale::Russia)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    // Blanks must weigh as characters: the pseudo entries (" Все") rely on a leading blank
    // to come first.
    collator_.setIgnorePunctuation(false);
    collator_.setNumericMode(false);
}

int QtCollator::Compare(const QString& a, const QString& b) const {
    return collator_.compare(a, b);
}

std::vector<std::size_t> QtCollator::SortOrder(const std::vector<QString>& texts) const {
    // One key per text instead of a full comparison per step: a sort of a whole base stays
    // quick.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& t : texts) {
        keys.push_back(collator_.sortKey(t));
    }
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a].compare(keys[b]) < 0;
    });
    return order;
}

} // namespace timyanka::platform
