#include "app_fixture.h"

#include <QStatusBar>

#include <filesystem>

namespace timyanka::testing {
namespace {

using app::StartStatus;

QString StatusText(app::TFGlobal& w) {
    return w.findChild<QLabel*>(QStringLiteral("StatusSpisok"))->text();
}

TEST_F(MainWindowTest, StartListsTheWholeBaseAndShowsItsFirstRecipe) {
    ASSERT_EQ(Start(), StartStatus::Ok);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
    const int count = static_cast<int>(BenchRecepts().size());
    ASSERT_EQ(Rows(), count);
    for (int row = 0; row < count; ++row) {
        EXPECT_EQ(Cell(row, 0), QString::number(row + 1));
        EXPECT_EQ(Cell(row, 2), QString::number(row));
    }
    EXPECT_EQ(Cell(0, 1), Q("Борщ"));
    EXPECT_EQ(StatusText(Window()), Q("В базе 8 рецептов! Отсортировано 8 рецептов!"));
    EXPECT_EQ(Grid()->currentIndex().row(), 0);
    EXPECT_EQ(MemoText("MemoRecept"), Q("Сварить.\nПодать со сметаной."));
    EXPECT_EQ(MemoText("MemoIngridient"), Q("свёкла\nкапуста"));
    EXPECT_EQ(LabelText("LNation"), Q("Кухня:  Украинская"));
    EXPECT_EQ(Picker("CClass")->currentText(), Q(" ВСЕ"));
    EXPECT_EQ(Picker("CNational")->currentText(), Q(" Все"));
    EXPECT_EQ(Picker("COsoboe")->currentText(), Q(" Все"));
    EXPECT_TRUE(Hidden("C1Ur"));
    EXPECT_EQ(State().Filters.Class, -1);
    EXPECT_EQ(State().Filters.National, 0);
    EXPECT_EQ(State().Filters.PodClass, 0);
    EXPECT_EQ(State().Filters.Osoboe, 0);
}

TEST_F(MainWindowTest, PickersListTheirNamesInRussianOrderWithPseudoEntriesFirst) {
    ASSERT_EQ(Start(), StartStatus::Ok);
    auto items = [&](const char* name) {
        QStringList out;
        QComboBox* box = Picker(name);
        for (int i = 0; i < box->count(); ++i) {
            out << box->itemText(i);
        }
        return out;
    };
    EXPECT_EQ(items("CNational"), (QStringList{Q(" Все"), Q("Итальянская"), Q("Русская"),
                                               Q("Русская"), Q("Украинская")}));
    EXPECT_EQ(items("COsoboe"), (QStringList{Q(" Все"), Q("Детское"), Q("Нет"), Q("Постное")}));
    const QStringList classes = items("CClass");
    ASSERT_EQ(classes.size(), 18);
    EXPECT_EQ(classes.mid(0, 5), (QStringList{Q(" ВСЕ"), Q(" ДРУГОЙ"), Q(" РЕКОМЕНДАЦИИ"),
                                              Q("БЛЮДА ИЗ КРУП"), Q("БУТЕРБРОДЫ")}));
    EXPECT_EQ(classes.last(), Q("СУПЫ"));
    // The hidden sub-class picker holds the first class's sub-classes.
    EXPECT_EQ(items("C1Ur"), (QStringList{Q(" Все"), Q(" Другие"), Q("Второй"), Q("Первый")}));
}

TEST_F(MainWindowTest, StartWithoutTheBaseShowsOneMessageAndAnEmptyList) {
    std::filesystem::remove(File("BaseRecept.tmk"));
    ASSERT_EQ(Start(), StartStatus::Ok);
    EXPECT_EQ(Messages(), QStringList{Q("Файл не удается открыть! :(")});
    EXPECT_EQ(Rows(), 1);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(Cell(0, column), QString());
    }
    const QAbstractItemModel* m = Grid()->model();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), Q("№"));
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), Q("Название"));
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), Q("id"));
    EXPECT_EQ(MemoText("MemoRecept"), QString());
    EXPECT_EQ(MemoText("MemoIngridient"), QString());
    EXPECT_EQ(StatusText(Window()), Q("В базе 0 рецептов! Отсортировано 0 рецептов!"));
}

TEST_F(MainWindowTest, AMissingFlagsFileEndsTheStartBeforeTheBaseIsRead) {
    std::filesystem::remove(dir_.path() / "flags" / "Garnish.txt");
    EXPECT_EQ(Start(), StartStatus::FlagsMissing);
    EXPECT_EQ(Messages(), QStringList{Q("Файл не удается открыть! :(")});
    EXPECT_EQ(State().ReceptCount(), 0);
    EXPECT_EQ(State().Classes.Classes[12].PodCount, 0); // sauce.txt, after Garnish.txt
}

TEST_F(MainWindowTest, ABadCodeFieldShowsItsMessageAndOpensWithWhatWasRead) {
    WriteFlags({{"special.txt", "    0  Все\n    1 Нет\n   x2 Постное"}});
    EXPECT_EQ(Start(), StartStatus::FlagsBroken);
    EXPECT_EQ(Messages(), QStringList{Q("'   x2' не является целым числом")});
    EXPECT_EQ(State().ReceptCount(), 0);
    EXPECT_EQ(Picker("CNational")->count(), 5);
    EXPECT_EQ(Picker("COsoboe")->count(), 2);
    EXPECT_EQ(Picker("CClass")->count(), 0);
}

TEST_F(MainWindowTest, ABrokenBaseShowsTheLoadMessageAndAnEmptyList) {
    WriteBytes(File("BaseRecept.tmk"), std::string("\x05\x00\x00\x00\x01", 5));
    ASSERT_EQ(Start(), StartStatus::Ok);
    EXPECT_EQ(Messages(), QStringList{QString::fromStdString(base::LoadMessage(
                              base::LoadStatus::Malformed, State().Recepts.Capacity()))});
    EXPECT_EQ(State().ReceptCount(), 0);
    EXPECT_EQ(Rows(), 1);
}

} // namespace
} // namespace timyanka::testing
