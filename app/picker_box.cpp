#include "app/picker_box.h"

#include "text/cp1251.h"

#include <QByteArray>
#include <QComboBox>
#include <QSignalBlocker>

namespace timyanka::app {

namespace {
constexpr int kBytesRole = Qt::UserRole;

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

void FillPicker(QComboBox& picker, const std::vector<std::string>& names,
                const platform::Collator& collator) {
    std::vector<QString> shown;
    shown.reserve(names.size());
    for (const std::string& n : names) {
        shown.push_back(QString::fromStdString(text::Cp1251ToUtf8(n)));
    }
    const QSignalBlocker blocker(picker);
    picker.clear();
    for (std::size_t i : collator.SortOrder(shown)) {
        picker.addItem(shown[i], Bytes(names[i]));
    }
    picker.setCurrentIndex(picker.count() > 0 ? 0 : -1);
}

std::string PickerText(const QComboBox& picker) {
    if (picker.currentIndex() < 0) {
        return {};
    }
    const QByteArray b = picker.currentData(kBytesRole).toByteArray();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

bool SelectPickerText(QComboBox& picker, const std::string& cp1251) {
    const int index = picker.findData(Bytes(cp1251), kBytesRole, Qt::MatchExactly);
    if (index < 0) {
        return false;
    }
    picker.setCurrentIndex(index);
    return true;
}

} // namespace timyanka::app
