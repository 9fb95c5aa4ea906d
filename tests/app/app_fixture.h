// The main window's test bench: a working folder of its own with a small flags folder and
// a base, the process's current folder moved into it for the test, and a window built on
// the recording platform.
#pragma once

#include "app/UTimyanka.h"
#include "base/base_file.h"
#include "classification/classification.h"
#include "platform/testing/recording_platform.h"

#include "../core/test_util.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace timyanka::testing {

// Moves the process into a folder for one test and back.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

// The flags files of the bench, UTF-8 here and written in Windows-1251. Cuisine "Русская"
// occurs twice with two codes; nalcohol.txt names its code 1 twice, the later as "Морсы".
inline std::map<std::string, std::string> BenchFlags() {
    std::map<std::string, std::string> f;
    f["cuisine.txt"] = "  0  Все\n  1 Русская\n  2 Украинская\n  3 Итальянская\n  4 Русская";
    f["special.txt"] = "    0  Все\r\n    1 Нет\r\n    2 Постное\r\n    3 Детское";
    for (const classification::SubClassFile& s : classification::SubClassFiles()) {
        f[s.fileName] = "    0  Все\n    1  Другие\n    2 Первый\n    3 Второй";
    }
    f["salad.txt"] = "    0  Все\n    1  Другие\n    2 Овощные\n    3 Мясные";
    f["nalcohol.txt"] = "    0  Все\n    1  Другие\n    2 Соки\n    1 Морсы";
    return f;
}

// The bench base, by Id: name, class, cuisine, sub-class, feature.
inline std::vector<base::TRecept> BenchRecepts() {
    std::vector<base::TRecept> r = {
        MakeRecept("Борщ", 4, 2, 2, 1),         // 0 soup, Ukrainian, "Первый"
        MakeRecept("Оливье", 3, 1, 3, 1),       // 1 salad, "Мясные"
        MakeRecept("Винегрет", 3, 1, 2, 2),     // 2 salad, "Овощные", Lenten
        MakeRecept("Совет дня", 17, 0, 0, 0),   // 3 a recommendation
        MakeRecept("Пицца", 1, 3, 5, 1),        // 4 class " Другой"
        MakeRecept("Квас", 13, 1, 1, 2),        // 5 soft drink, sub-class code 1
        MakeRecept("Салат прочий", 3, 1, 1, 1), // 6 salad, sub-class code 1
        MakeRecept("Сыр", 16, 77, 2, 1),        // 7 a cuisine code no file gives
    };
    r[0].Ingridient = {W("свёкла"), W("капуста")};
    r[0].Text = {W("Сварить."), W("Подать со сметаной.")};
    r[3].Ingridient = {};
    r[3].Text = {W("Ешьте овощи.")};
    for (std::size_t i = 0; i < r.size(); ++i) {
        r[i].Id = static_cast<int32_t>(i);
    }
    return r;
}

inline void WriteBase(const std::string& path, const std::vector<base::TRecept>& recepts) {
    WriteBytes(path, base::SerializeBase(recepts));
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : cwd_(dir_.path()) {}

    void SetUp() override {
        WriteFlags(BenchFlags());
        WriteBase(dir_.file("BaseRecept.tmk"), BenchRecepts());
    }

    void WriteFlags(const std::map<std::string, std::string>& files) {
        std::filesystem::create_directories(dir_.path() / "flags");
        for (const auto& [name, utf8] : files) {
            WriteBytes((dir_.path() / "flags" / name).string(), W(utf8.c_str()));
        }
    }

    // Builds the window and runs its start.
    app::StartStatus Start() {
        window_ = std::make_unique<app::TFGlobal>(platform_);
        return window_->FormCreate();
    }

    app::TFGlobal& Window() { return *window_; }
    app::MainState& State() { return window_->State(); }

    template <typename T> T* Find(const char* name) {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* Picker(const char* name) { return Find<QComboBox>(name); }
    QTableView* Grid() { return Find<QTableView>("SGSpisok"); }
    QString LabelText(const char* name) { return Find<QLabel>(name)->text(); }
    QString MemoText(const char* name) { return Find<QPlainTextEdit>(name)->toPlainText(); }
    bool Hidden(const char* name) { return Find<QWidget>(name)->isHidden(); }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }

    // The user chooses the entry with this text (the first such entry, or the n-th).
    void Choose(const char* picker, const char* utf8, int occurrence = 0) {
        QComboBox* box = Picker(picker);
        int found = -1;
        for (int i = 0, seen = 0; i < box->count(); ++i) {
            if (box->itemText(i) == QString::fromUtf8(utf8) && seen++ == occurrence) {
                found = i;
                break;
            }
        }
        ASSERT_GE(found, 0) << picker << ": " << utf8;
        box->setCurrentIndex(found);
        emit box->activated(found);
    }

    // The grid's cell text.
    QString Cell(int row, int column) {
        return Grid()->model()->index(row, column).data().toString();
    }
    int Rows() { return Grid()->model()->rowCount(); }
    void MoveTo(int row) { Grid()->setCurrentIndex(Grid()->model()->index(row, 1)); }

    // Names listed in the grid, in row order (UTF-8).
    std::vector<std::string> Listed() {
        std::vector<std::string> out;
        for (int32_t id : State().Spisok) {
            out.push_back(text::Cp1251ToUtf8(State().Recepts.Recept(id).Name));
        }
        return out;
    }

    QStringList Messages() const { return platform_.Messages(); }
    std::string File(const char* name) const { return dir_.file(name); }

    TempDir dir_;
    CurrentFolder cwd_;
    platform::testing::RecordingPlatform platform_;
    std::unique_ptr<app::TFGlobal> window_;
};

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace timyanka::testing
