#include "app_fixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;

class WindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
    // A widget's place in the client area below the menu bar.
    QRect Place(const char* name) {
        QWidget* w = Find<QWidget>(name);
        const QPoint topLeft = w->mapTo(&Window(), QPoint(0, 0)) -
                               QPoint(0, Window().menuBar()->geometry().bottom() + 1);
        return {topLeft, w->size()};
    }
};

TEST_F(WindowTest, HasItsDesignGeometryAtTheSmallestSize) {
    Window().show();
    const QSize smallest = Window().minimumSize();
    EXPECT_EQ(smallest.width(), 786);
    EXPECT_EQ(smallest.height(), 520 + Window().menuBar()->sizeHint().height());
    Window().resize(500, 300);
    EXPECT_EQ(Window().size(), smallest);
    QApplication::processEvents();
    EXPECT_EQ(Place("ToolBar1"), QRect(0, 0, 786, 30));
    EXPECT_EQ(Place("GroupSpisok"), QRect(0, 30, 391, 223));
    EXPECT_EQ(Place("GroupFlags"), QRect(393, 30, 392, 153));
    EXPECT_EQ(Place("GroupVybran"), QRect(393, 184, 392, 69));
    EXPECT_EQ(Place("GroupIngridient"), QRect(0, 254, 237, 181));
    EXPECT_EQ(Place("GroupRecept"), QRect(239, 254, 546, 181));
    EXPECT_EQ(Place("PanelPoisk"), QRect(0, 435, 786, 66));
    EXPECT_EQ(Place("Panel_Poisk"), QRect(228, 204, 339, 75));
    EXPECT_EQ(Place("StatusBar1"), QRect(0, 501, 786, 19));
    EXPECT_EQ(Window().windowTitle(), Q("Тимьянка 2 (v1.0)"));
}

TEST_F(WindowTest, EnlargingWidensTheListAndTheRecipeAndKeepsTheGroupsRight) {
    Window().show();
    Window().resize(Window().minimumSize() + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(Place("GroupSpisok"), QRect(0, 30, 591, 223));
    EXPECT_EQ(Place("GroupFlags"), QRect(593, 30, 392, 153));
    EXPECT_EQ(Place("GroupVybran"), QRect(593, 184, 392, 69));
    EXPECT_EQ(Place("GroupIngridient"), QRect(0, 254, 237, 281));
    EXPECT_EQ(Place("GroupRecept"), QRect(239, 254, 746, 281));
    EXPECT_EQ(Place("PanelPoisk"), QRect(0, 535, 986, 66));
    EXPECT_EQ(Place("StatusBar1"), QRect(0, 601, 986, 19));
    // The grid and the memos fill their groups.
    EXPECT_GT(Find<QWidget>("SGSpisok")->width(), 560);
    EXPECT_GT(Find<QWidget>("MemoRecept")->width(), 720);
    EXPECT_GT(Find<QWidget>("MemoIngridient")->height(), 250);
}

TEST_F(WindowTest, TheStatusBarHasItsFourPanels) {
    const QStringList texts = {Q("© 2026 Команда Тимьянки"), Q("www.example.org"),
                               Q("В базе 8 рецептов! Отсортировано 8 рецептов!"), Q("2006г")};
    const char* names[] = {"StatusCredit", "StatusWeb", "StatusSpisok", "StatusYear"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Find<QLabel>(names[i])->text(), texts[i]);
    }
}

TEST_F(WindowTest, TheFontCommandChangesOnlyTheRecipeMemo) {
    const QFont ingredients = Find<QWidget>("MemoIngridient")->font();
    const QFont grid = Grid()->font();
    platform_.QueueFont(std::nullopt);
    Trigger("MainMenu_Schrift");
    const QFont before = Find<QWidget>("MemoRecept")->font();
    ASSERT_EQ(platform_.InitialFonts().size(), 1u);
    EXPECT_EQ(platform_.InitialFonts()[0].family(), Q("MS Sans Serif"));
    EXPECT_EQ(platform_.InitialFonts()[0].pixelSize(), 11);

    QFont chosen(Q("DejaVu Serif"));
    chosen.setPointSize(17);
    platform_.QueueFont(chosen);
    Trigger("MainMenu_Schrift");
    EXPECT_NE(before, chosen);
    EXPECT_EQ(Find<QWidget>("MemoRecept")->font().family(), Q("DejaVu Serif"));
    EXPECT_EQ(Find<QWidget>("MemoRecept")->font().pointSize(), 17);
    EXPECT_EQ(Find<QWidget>("MemoIngridient")->font(), ingredients);
    EXPECT_EQ(Grid()->font(), grid);
    platform_.QueueFont(std::nullopt);
    Trigger("MainMenu_Schrift");
    EXPECT_EQ(platform_.InitialFonts().back(), chosen);
    EXPECT_EQ(Find<QWidget>("MemoRecept")->font().pointSize(), 17);
}

struct MenuItem {
    const char* name;
    const char* caption;
    const char* key;
};

TEST_F(WindowTest, TheMenusHoldEveryCommandWithItsCaptionAndKey) {
    const MenuItem items[] = {
        {"MainMenu_NewBase", "Новая база", "F2"},
        {"MainMenu_Open", "Открыть", "F3"},
        {"MainMenu_Save", "Сохранить", "F4"},
        {"MainMenu_SaveAs", "Сохранить как...", "F5"},
        {"MainMenu_SaveSelect", "Сохранить выбранные рецепты...", ""},
        {"MainMenu_Exit", "Выход", "F12"},
        {"MainMenu_Schrift", "Шрифт...", ""},
        {"MainMenu_Sort", "Сортировать", "Ctrl+S"},
        {"MainMenu_Select", "Показать выбранные...", ""},
        {"MainMenu_AddRecept", "Добавить рецепт...", "Ctrl+Z"},
        {"MainMenu_EditRecept", "Изменить рецепт...", "Ctrl+X"},
        {"MainMenu_DelRecept", "Удалить рецепт", "Ctrl+C"},
        {"N16", "Помечать добавляемые рецепты", "Ctrl+Q"},
        {"MainMenu_AddBase", "Добавить рецепты из другой базы...", ""},
        {"N14", "Снять выделение со всех рецептов", "Ctrl+W"},
        {"N21", "Печать текущего рецепта...", ""},
        {"N23", "Печать выбранных рецептов...", ""},
        {"N28", "Белка", "F9"},
        {"N27", "Калорий", "F10"},
        {"MainMenu_Help", "Справка", "F1"},
        {"N35", "Об авторах", ""},
        {"MainMenu_Info", "О программе", ""},
    };
    for (const MenuItem& item : items) {
        const QAction* a = Find<QAction>(item.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), Q(item.caption)) << item.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(Q(item.key))) << item.name;
    }
    QStringList menus;
    for (const QAction* a : Window().menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus,
              (QStringList{Q("Файл"), Q("Вид"), Q("Редактирование"), Q("Дополнительно"),
                           Q("Печать"), Q("Калькулятор"), Q("Библиотека"), Q("Информация")}));
    // The file menu's separator stands before "Выход".
    const QList<QAction*> file = Window().menuBar()->actions()[0]->menu()->actions();
    ASSERT_EQ(file.size(), 7);
    EXPECT_TRUE(file[5]->isSeparator());
    EXPECT_FALSE(Find<QAction>("N16")->isChecked());
    Trigger("N16");
    EXPECT_TRUE(Find<QAction>("N16")->isChecked());
}

TEST_F(WindowTest, TheToolbarRunsTheMenuCommandsWithTheirHints) {
    struct Button {
        const char* name;
        const char* hint;
    } buttons[] = {
        {"ToolButton1", "Начать новую базу"},
        {"ToolButton2", "Открыть файл с базой рецептов"},
        {"ToolButton3", "Сохранить базу"},
        {nullptr, nullptr},
        {"ToolButton5", "Изменить шрифт отображения текста рецепта"},
        {"ToolButton6", "Сортировать список рецептов по алфавиту"},
        {nullptr, nullptr},
        {"ToolButton13", "Выбрать рецепт"},
        {"ToolButton12", "Отобразить список выбранных рецептов"},
        {nullptr, nullptr},
        {"ToolButton8", "Добавить новый рецепт в базу"},
        {"ToolButton9", "Редактировать выбранный рецепт"},
        {"ToolButton10", "Удалить выбранный рецепт"},
        {nullptr, nullptr},
        {"ToolButton15", "Выйти из программы"},
    };
    QToolBar* bar = Find<QToolBar>("ToolBar1");
    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(buttons)));
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        QWidget* w = bar->widgetForAction(actions[static_cast<qsizetype>(i)]);
        if (buttons[i].name == nullptr) {
            EXPECT_EQ(qobject_cast<QToolButton*>(w), nullptr) << i;
            continue;
        }
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), Q(buttons[i].name));
        EXPECT_EQ(actions[static_cast<qsizetype>(i)]->toolTip(), Q(buttons[i].hint)) << i;
    }
    EXPECT_EQ(Find<QToolButton>("ToolButton1")->defaultAction(), Find<QAction>("MainMenu_NewBase"));
    Find<QToolButton>("ToolButton1")->click();
    EXPECT_EQ(State().BaseFileName, "New.tmk");
}

TEST_F(WindowTest, TheListsPopupMenuRunsItsCommands) {
    QMenu* popup = Find<QMenu>("PopupMenu1");
    QStringList captions;
    for (const QAction* a : popup->actions()) {
        captions << (a->isSeparator() ? Q("-") : a->text());
    }
    EXPECT_EQ(captions, (QStringList{Q("Сортировать список"), Q("-"), Q("Добавить рецепт..."),
                                     Q("Изменить рецепт..."), Q("Удалить рецепт"), Q("-"),
                                     Q("Выбрать рецепт (вкл\\выкл)"), Q("Показать выбранные...")}));
    Trigger("N10");
    EXPECT_EQ(State().Recepts.Recept(0).Selected, 1);
    Trigger("N18");
    EXPECT_EQ(State().Spisok, std::vector<int32_t>{0});
    for (const char* name : {"N2", "N4", "N6", "N8"}) {
        EXPECT_NE(Find<QAction>(name), nullptr);
    }
}

TEST_F(WindowTest, CommandsReachThePlatformThroughTheirHandlers) {
    platform_.QueueOpenFile(std::nullopt);
    Trigger("MainMenu_Open");
    platform_.QueueSaveFile(std::nullopt);
    Trigger("MainMenu_SaveAs");
    Trigger("MainMenu_Help");
    const auto& calls = platform_.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, CallKind::OpenFile);
    EXPECT_EQ(calls[1].kind, CallKind::SaveFile);
    EXPECT_EQ(calls[2].kind, CallKind::Shell);
    EXPECT_EQ(calls[2].text, QDir::current().absoluteFilePath(Q("Help/index.html")));
    EXPECT_EQ(calls[2].args, QStringList{Q("open")});
}

void TriggerAll(QMenu* menu, int& count) {
    for (QAction* a : menu->actions()) {
        if (a->menu() != nullptr) {
            TriggerAll(a->menu(), count);
        } else if (!a->isSeparator()) {
            a->trigger();
            ++count;
        }
    }
}

TEST_F(WindowTest, TheLibraryEntriesDoNothing) {
    QMenu* library = nullptr;
    for (QAction* a : Window().menuBar()->actions()) {
        if (a->text() == Q("Библиотека")) {
            library = a->menu();
        }
    }
    ASSERT_NE(library, nullptr);
    MoveTo(3);
    int count = 0;
    TriggerAll(library, count);
    EXPECT_EQ(count, 14 + 3 + 15 + 3 + 12 + 1);
    EXPECT_TRUE(platform_.Calls().empty());
    EXPECT_EQ(State().SpisokCount(), 8);
    EXPECT_EQ(State().CurrentRecept, 3);
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
}

} // namespace
} // namespace timyanka::testing
