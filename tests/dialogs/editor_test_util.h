// A small world for the editor dialog tests: a flags folder of a few cuisines, features and
// sub-classes (with duplicate names and a sub-class list of " Все" alone), the main
// window's three pickers filled from it, a recipe store and a scripted platform.
#pragma once

#include "classification/class_names.h"
#include "classification/classification.h"
#include "dialogs/ReceptEditor.h"
#include "platform/testing/recording_platform.h"
#include "tests/core/test_util.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace timyanka::dialogs {

inline void PrintTo(const WorkingCodes& c, std::ostream* os) {
    *os << "{National " << c.DlgNational << ", Class " << c.DlgClass << ", PodClass "
        << c.DlgPodClass << ", Osoboe " << c.DlgOsoboe << "}";
}

} // namespace timyanka::dialogs

namespace timyanka::dialogs::testing {

using platform::testing::CallKind;
using platform::testing::RecordingPlatform;
using timyanka::testing::TempDir;
using timyanka::testing::W;

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Class indexes of the test vocabulary.
inline constexpr int32_t kSalads = 3; // sub-classes with a name twice
inline constexpr int32_t kSoups = 4;  // " Все" alone

inline void WriteEditorFlags(const TempDir& dir) {
    namespace fs = std::filesystem;
    fs::create_directories(dir.path() / "flags");
    auto put = [&](const std::string& name, const char* utf8) {
        timyanka::testing::WriteBytes((dir.path() / "flags" / name).string(), W(utf8));
    };
    // The table's second entry is not the one that sorts first, and two names occur twice.
    put("cuisine.txt", "  1  Все\n  2 Русская\n  3 Абхазская\n  4 Грузинская\n  5 Грузинская");
    put("special.txt", "    1  Все\n    2 Постное\n    3 Детское\n    4 Постное");
    for (const classification::SubClassFile& f : classification::SubClassFiles()) {
        put(f.fileName, "    2  Все\n    1  Другие\n   20 Первое\n   21 Второе");
    }
    put("salad.txt", "    2  Все\n    1  Другие\n   10 Овощные\n   11 Мясные\n   12 Овощные");
    put("soup.txt", "    2  Все");
}

// The widgets of an editor dialog, found by their names.
struct EditorForm {
    explicit EditorForm(QWidget& dialog)
        : CNational(Get<QComboBox>(dialog, "CNational")), CClass(Get<QComboBox>(dialog, "CClass")),
          C1Ur(Get<QComboBox>(dialog, "C1Ur")), COsoboe(Get<QComboBox>(dialog, "COsoboe")),
          EditName(Get<QLineEdit>(dialog, "EditName")),
          MemoIngridient(Get<QPlainTextEdit>(dialog, "MemoIngridient")),
          MemoRecept(Get<QPlainTextEdit>(dialog, "MemoRecept")),
          BitBtnOK(Get<QPushButton>(dialog, "BitBtnOK")),
          BitBtnNO(Get<QPushButton>(dialog, "BitBtnNO")) {}

    template <typename T> static T& Get(QWidget& parent, const char* name) {
        T* w = parent.findChild<T*>(QString::fromLatin1(name));
        if (!w) {
            throw std::runtime_error(std::string("no widget ") + name);
        }
        return *w;
    }

    QComboBox& CNational;
    QComboBox& CClass;
    QComboBox& C1Ur;
    QComboBox& COsoboe;
    QLineEdit& EditName;
    QPlainTextEdit& MemoIngridient;
    QPlainTextEdit& MemoRecept;
    QPushButton& BitBtnOK;
    QPushButton& BitBtnNO;
};

// The user chooses the entry with this text, as a click in the drop-down list does.
inline void Pick(QComboBox& picker, const QString& text) {
    const int i = picker.findText(text, Qt::MatchExactly);
    if (i < 0) {
        throw std::runtime_error("no entry " + text.toStdString());
    }
    picker.setCurrentIndex(i);
    emit picker.activated(i);
}
inline void Pick(QComboBox& picker, const char* utf8) {
    Pick(picker, Q(utf8));
}

inline QStringList Items(const QComboBox& picker) {
    QStringList out;
    for (int i = 0; i < picker.count(); ++i) {
        out << picker.itemText(i);
    }
    return out;
}

inline bool IsShown(const QWidget& w) {
    return w.isVisibleTo(w.window());
}

class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        WriteEditorFlags(dir_);
        const auto r =
            classification::LoadClassification(classes, (dir_.path() / "flags").string());
        if (r.status != classification::ClassificationStatus::Ok) {
            throw std::runtime_error("flags not loaded");
        }
        Fill(mainNational, classes.Nationals, classes.NationalCount);
        Fill(mainOsoboe, classes.Osobye, classes.OsoboeCount);
        QStringList classTexts;
        for (int32_t i = 0; i < classes.ClassCount; ++i) {
            classTexts << dialogs::Shown(classification::ClassPickerText(i));
        }
        FillSorted(mainClass, classTexts);
    }

    // Every scripted showing took place, and no showing went unscripted.
    void TearDown() override {
        EXPECT_TRUE(platform.ScriptUsedUp());
        EXPECT_EQ(platform.Unscripted(), 0);
    }

    EditorContext Context(base::ReceptStore& s) {
        return {platform, classes, {mainNational, mainClass, mainOsoboe}, s};
    }
    EditorContext Context() { return Context(store); }

    // Queues what the user does in the next showing of an editor dialog; the showing ends
    // with whatever result the dialog has then (Cancel unless OK succeeded).
    void Script(std::function<void(EditorForm&)> user) {
        platform.QueueModal([user = std::move(user)](QDialog& d) {
            EditorForm f(d);
            user(f);
            return d.result();
        });
    }

    QStringList Messages() const { return platform.Messages(); }

    RecordingPlatform platform;
    classification::Classification classes;
    base::ReceptStore store;
    QComboBox mainNational;
    QComboBox mainClass;
    QComboBox mainOsoboe;

private:
    template <typename Table> void Fill(QComboBox& picker, const Table& table, int32_t count) {
        QStringList names;
        for (int32_t i = 0; i < count; ++i) {
            names << dialogs::Shown(table[static_cast<std::size_t>(i)].Name);
        }
        FillSorted(picker, names);
    }
    void FillSorted(QComboBox& picker, const QStringList& names) {
        const std::vector<QString> v(names.begin(), names.end());
        for (std::size_t i : platform.NameCollator().SortOrder(v)) {
            picker.addItem(v[i]);
        }
    }

    TempDir dir_;
};

} // namespace timyanka::dialogs::testing
