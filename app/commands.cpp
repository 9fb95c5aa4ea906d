#include "app/commands.h"

#include "app/UTimyanka.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <initializer_list>

namespace timyanka::app {
namespace {

using Handler = void (TFGlobal::*)();

struct Icon {
    const char* theme;
    QStyle::StandardPixmap fallback;
};

QIcon MakeIcon(const Icon& icon) {
    if (icon.theme == nullptr) {
        return {};
    }
    return QIcon::fromTheme(QString::fromLatin1(icon.theme),
                            QApplication::style()->standardIcon(icon.fallback));
}

class Builder {
public:
    explicit Builder(TFGlobal& w) : w_(w) {}

    // `hint` is the tooltip of the toolbar button that shares the action.
    QAction* Add(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                 Handler handler, const char* hint = nullptr,
                 const Icon& icon = {nullptr, QStyle::SP_CustomBase}) {
        auto* a = new QAction(QString::fromUtf8(caption), &w_);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        if (hint != nullptr) {
            a->setToolTip(QString::fromUtf8(hint));
        }
        a->setIcon(MakeIcon(icon));
        if (handler != nullptr) {
            QObject::connect(a, &QAction::triggered, &w_, handler);
        }
        menu->addAction(a);
        return a;
    }

    // Entries that list reference pages and do nothing when chosen.
    void AddInert(QMenu* menu, std::initializer_list<const char*> captions) {
        for (const char* c : captions) {
            menu->addAction(QString::fromUtf8(c));
        }
    }

private:
    TFGlobal& w_;
};

void AddToolButton(QToolBar* bar, QAction* action, const char* name) {
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(QString::fromLatin1(name));
}

void AddWideSeparator(QToolBar* bar, int width) {
    auto* line = new QFrame(bar);
    line->setObjectName(QStringLiteral("ToolButton14"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(width);
    bar->addWidget(line);
}

void BuildLibrary(Builder& b, QMenu* library) {
    QMenu* minerals = library->addMenu(QStringLiteral("Минералы"));
    QMenu* alphabet = minerals->addMenu(QStringLiteral("Алфавит минералов"));
    b.AddInert(alphabet, {"Бром (Br)", "Ванадий (V)", "Железо (Fe)", "Калий (К)", "Кобальт (Ко)",
                          "Магний (Mg)", "Марганец (Mn)", "Медь (Cu)", "Молибден (Mo)",
                          "Никель (Ni)", "Олово (Sn)", "Селен (Se)", "Сера (S)", "Фтор (F)"});
    b.AddInert(minerals,
               {"Источники минералов", "Взаимодействие минералов", "Основные свойства минералов"});
    QMenu* vitamins = library->addMenu(QStringLiteral("Витамины"));
    QMenu* vAlphabet = vitamins->addMenu(QStringLiteral("Алфавит витаминов"));
    b.AddInert(vAlphabet, {"А", "D", "E", "H", "K", "C", "PP", "B1", "B2", "B5", "B6", "B9", "B12",
                           "B13", "B15"});
    b.AddInert(vitamins, {"Заблуждения о витаминах", "Витамины в продуктах питания",
                          "Суточная потребность в витаминах"});
    QMenu* calories = library->addMenu(QStringLiteral("Калорийность"));
    b.AddInert(calories, {"Яйца", "Грибы", "Крупы", "Фрукты", "Соусы, жиры", "Овощи и зелень",
                          "Сушеные плоды", "Орехи и семечки", "Молочные продукты",
                          "Мясо и мясопродукты", "Рыба и морепродукты", "Хлебо-булочные изделия"});
    b.AddInert(library, {"Гликемический индекс (таблица)"});
}

} // namespace

QMenu* BuildCommands(TFGlobal& w) {
    Builder b(w);
    QMenuBar* bar = w.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(QStringLiteral("Файл"));
    QAction* newBase =
        b.Add(file, "MainMenu_NewBase", "Новая база", Qt::Key_F2, &TFGlobal::MainMenu_NewBaseClick,
              "Начать новую базу", {"document-new", QStyle::SP_FileIcon});
    QAction* open =
        b.Add(file, "MainMenu_Open", "Открыть", Qt::Key_F3, &TFGlobal::MainMenu_OpenClick,
              "Открыть файл с базой рецептов", {"document-open", QStyle::SP_DialogOpenButton});
    QAction* save =
        b.Add(file, "MainMenu_Save", "Сохранить", Qt::Key_F4, &TFGlobal::MainMenu_SaveClick,
              "Сохранить базу", {"document-save", QStyle::SP_DialogSaveButton});
    b.Add(file, "MainMenu_SaveAs", "Сохранить как...", Qt::Key_F5, &TFGlobal::MainMenu_SaveAsClick);
    b.Add(file, "MainMenu_SaveSelect", "Сохранить выбранные рецепты...", {},
          &TFGlobal::MainMenu_SaveSelectClick);
    file->addSeparator();
    QAction* exit =
        b.Add(file, "MainMenu_Exit", "Выход", Qt::Key_F12, &TFGlobal::MainMenu_ExitClick,
              "Выйти из программы", {"application-exit", QStyle::SP_DialogCloseButton});

    QMenu* view = bar->addMenu(QStringLiteral("Вид"));
    QAction* font =
        b.Add(view, "MainMenu_Schrift", "Шрифт...", {}, &TFGlobal::MainMenu_SchriftClick,
              "Изменить шрифт отображения текста рецепта",
              {"preferences-desktop-font", QStyle::SP_FileDialogDetailedView});
    QAction* sort = b.Add(view, "MainMenu_Sort", "Сортировать", QKeySequence(Qt::CTRL | Qt::Key_S),
                          &TFGlobal::MainMenu_SortClick, "Сортировать список рецептов по алфавиту",
                          {"view-sort-ascending", QStyle::SP_ArrowDown});
    view->addSeparator();
    QAction* showMarked =
        b.Add(view, "MainMenu_Select", "Показать выбранные...", {}, &TFGlobal::MainMenu_SelectClick,
              "Отобразить список выбранных рецептов",
              {"view-list-details", QStyle::SP_FileDialogListView});

    QMenu* edit = bar->addMenu(QStringLiteral("Редактирование"));
    QAction* add =
        b.Add(edit, "MainMenu_AddRecept", "Добавить рецепт...", QKeySequence(Qt::CTRL | Qt::Key_Z),
              &TFGlobal::MainMenu_AddReceptClick, "Добавить новый рецепт в базу",
              {"list-add", QStyle::SP_FileDialogNewFolder});
    QAction* change =
        b.Add(edit, "MainMenu_EditRecept", "Изменить рецепт...", QKeySequence(Qt::CTRL | Qt::Key_X),
              &TFGlobal::MainMenu_EditReceptClick, "Редактировать выбранный рецепт",
              {"document-edit", QStyle::SP_FileDialogContentsView});
    QAction* del = b.Add(edit, "MainMenu_DelRecept", "Удалить рецепт",
                         QKeySequence(Qt::CTRL | Qt::Key_C), &TFGlobal::MainMenu_DelReceptClick,
                         "Удалить выбранный рецепт", {"edit-delete", QStyle::SP_TrashIcon});

    QMenu* extra = bar->addMenu(QStringLiteral("Дополнительно"));
    QMenu* flags = extra->addMenu(QStringLiteral("Флаги"));
    QAction* markAdded = b.Add(flags, "N16", "Помечать добавляемые рецепты",
                               QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr);
    markAdded->setCheckable(true);
    b.Add(extra, "MainMenu_AddBase", "Добавить рецепты из другой базы...", {},
          &TFGlobal::MainMenu_AddBaseClick);
    extra->addSeparator();
    b.Add(extra, "N14", "Снять выделение со всех рецептов", QKeySequence(Qt::CTRL | Qt::Key_W),
          &TFGlobal::N14Click);

    QMenu* print = bar->addMenu(QStringLiteral("Печать"));
    b.Add(print, "N21", "Печать текущего рецепта...", {}, &TFGlobal::N21Click);
    b.Add(print, "N23", "Печать выбранных рецептов...", {}, &TFGlobal::N23Click);

    QMenu* calc = bar->addMenu(QStringLiteral("Калькулятор"));
    b.Add(calc, "N28", "Белка", Qt::Key_F9, &TFGlobal::N28Click);
    b.Add(calc, "N27", "Калорий", Qt::Key_F10, &TFGlobal::N27Click);

    BuildLibrary(b, bar->addMenu(QStringLiteral("Библиотека")));

    QMenu* info = bar->addMenu(QStringLiteral("Информация"));
    b.Add(info, "MainMenu_Help", "Справка", Qt::Key_F1, &TFGlobal::MainMenu_HelpClick);
    info->addSeparator();
    b.Add(info, "N35", "Об авторах", {}, &TFGlobal::N35Click);
    b.Add(info, "MainMenu_Info", "О программе", {}, &TFGlobal::MainMenu_InfoClick);

    // The mark command has no menu item; the toolbar and the pop-up menu carry it.
    auto* mark = new QAction(QStringLiteral("Выбрать рецепт"), &w);
    mark->setObjectName(QStringLiteral("ActionSelectRecept"));
    mark->setToolTip(QStringLiteral("Выбрать рецепт"));
    mark->setIcon(MakeIcon({"emblem-favorite", QStyle::SP_DialogApplyButton}));
    QObject::connect(mark, &QAction::triggered, &w, &TFGlobal::ButtonSelectClick);

    auto* tools = new QToolBar(&w);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setIconSize(QSize(16, 16));
    tools->setFixedHeight(30);
    tools->toggleViewAction()->setEnabled(false);
    w.addToolBar(Qt::TopToolBarArea, tools);
    AddToolButton(tools, newBase, "ToolButton1");
    AddToolButton(tools, open, "ToolButton2");
    AddToolButton(tools, save, "ToolButton3");
    tools->addSeparator();
    AddToolButton(tools, font, "ToolButton5");
    AddToolButton(tools, sort, "ToolButton6");
    tools->addSeparator();
    AddToolButton(tools, mark, "ToolButton13");
    AddToolButton(tools, showMarked, "ToolButton12");
    tools->addSeparator();
    AddToolButton(tools, add, "ToolButton8");
    AddToolButton(tools, change, "ToolButton9");
    AddToolButton(tools, del, "ToolButton10");
    AddWideSeparator(tools, 36);
    AddToolButton(tools, exit, "ToolButton15");

    auto* popup = new QMenu(&w);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    b.Add(popup, "N2", "Сортировать список", {}, &TFGlobal::MainMenu_SortClick);
    popup->addSeparator();
    b.Add(popup, "N4", "Добавить рецепт...", {}, &TFGlobal::MainMenu_AddReceptClick);
    b.Add(popup, "N6", "Изменить рецепт...", {}, &TFGlobal::MainMenu_EditReceptClick);
    b.Add(popup, "N8", "Удалить рецепт", {}, &TFGlobal::MainMenu_DelReceptClick);
    popup->addSeparator();
    b.Add(popup, "N10", "Выбрать рецепт (вкл\\выкл)", {}, &TFGlobal::ButtonSelectClick);
    b.Add(popup, "N18", "Показать выбранные...", {}, &TFGlobal::MainMenu_SelectClick);
    return popup;
}

} // namespace timyanka::app
