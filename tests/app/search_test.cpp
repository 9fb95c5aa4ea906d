#include "app_fixture.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <initializer_list>

namespace timyanka::testing {
namespace {

using Names = std::vector<std::string>;

base::Lines Lines(std::initializer_list<const char*> utf8) {
    base::Lines out;
    for (const char* l : utf8) {
        out.push_back(W(l));
    }
    return out;
}

base::TRecept Recept(const char* name, int32_t cls, std::initializer_list<const char*> ingridient,
                     std::initializer_list<const char*> text) {
    base::TRecept r = MakeRecept(name, cls);
    r.Ingridient = Lines(ingridient);
    r.Text = Lines(text);
    return r;
}

// The search bench, by Id; class 4 is "СУПЫ".
std::vector<base::TRecept> SearchRecepts() {
    return {
        Recept("Борщ украинский", 4, {"свёкла", "капуста"}, {"Сварить."}),     // 0
        Recept("Фасоль с грибами", 6, {"фасоль", "грибы"}, {"Потушить."}),     // 1
        Recept("Уха", 4, {"рыба", "лук"}, {"Сварить."}),                       // 2
        Recept("Курица жареная", 6, {"рис отварной", "масло"}, {"Обжарить."}), // 3
        Recept("Плов", 6, {"курица", "рис", "морковь"}, {"Тушить."}),          // 4
        Recept("Салат летний", 3, {"соль", "перец"}, {"Смешать."}),            // 5
        Recept("Компот", 13, {"вишня"}, {"Добавить мяту."}),                   // 6
        Recept("Суп гороховый", 4, {"горох"}, {"Сварить."}),                   // 7
    };
}

// Notes what Panel_Poisk goes through: how often it is shown, and its text whenever it is
// painted.
class PanelWatch : public QObject {
public:
    explicit PanelWatch(QLabel* panel) : panel_(panel) { panel_->installEventFilter(this); }
    ~PanelWatch() override { panel_->removeEventFilter(this); }

    int shows = 0;
    QStringList paintedTexts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel_ && event->type() == QEvent::Show) {
            ++shows;
        }
        if (watched == panel_ && event->type() == QEvent::Paint) {
            paintedTexts << panel_->text();
        }
        return false;
    }

private:
    QLabel* panel_;
};

class SearchTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteFlags(BenchFlags());
        WriteBase(File("BaseRecept.tmk"), SearchRecepts());
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }

    QCheckBox* Tick(const std::string& name) { return Find<QCheckBox>(name.c_str()); }
    QLineEdit* Edit(int k) { return Find<QLineEdit>(("EPoisk" + std::to_string(k)).c_str()); }

    // Word field k (1 to 5) holds the text and is ticked or not.
    void SetWord(int k, const char* utf8, bool ticked = true) {
        Edit(k)->setText(Q(utf8));
        Tick("CheckPoisk" + std::to_string(k))->setChecked(ticked);
    }

    // The first fields hold these words and are ticked, the rest are empty and unticked.
    void SetWords(const std::vector<const char*>& words) {
        for (int k = 1; k <= base::kMaxSearchWords; ++k) {
            const bool used = k <= static_cast<int>(words.size());
            SetWord(k, used ? words[static_cast<std::size_t>(k - 1)] : "", used);
        }
    }

    void SetFields(bool name, bool ingridient, bool text) {
        Tick("CheckName")->setChecked(name);
        Tick("CheckIngr")->setChecked(ingridient);
        Tick("CheckText")->setChecked(text);
    }

    void Press() { Find<QPushButton>("ButtonPoisk")->click(); }

    Names SearchFor(const std::vector<const char*>& words) {
        SetWords(words);
        Press();
        return Listed();
    }

    void ShowWindow() {
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }

    QLabel* Panel() { return Find<QLabel>("Panel_Poisk"); }
};

TEST_F(SearchTest, PanelStartsAsDesigned) {
    struct Box {
        const char* name;
        const char* caption;
        const char* hint;
        bool ticked;
    };
    const Box boxes[] = {
        {"CheckPoisk1", "", "", true},
        {"CheckPoisk2", "", "", false},
        {"CheckPoisk3", "", "", false},
        {"CheckPoisk4", "", "", false},
        {"CheckPoisk5", "", "", false},
        {"CheckName", "в названии рецепта", "проводить поиск по названию рецепта", true},
        {"CheckIngr", "по ингредиентам", "проводить поиск по ингредиентам рецепта", false},
        {"CheckText", "по тексту рецепта", "проводить поиск по тексту рецепта", false},
        {"CheckFlags", "Искать в текущем списке", "", true},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.name);
        QCheckBox* box = Tick(b.name);
        EXPECT_EQ(box->text(), Q(b.caption));
        EXPECT_EQ(box->toolTip(), Q(b.hint));
        EXPECT_EQ(box->isChecked(), b.ticked);
    }
    for (int k = 1; k <= base::kMaxSearchWords; ++k) {
        EXPECT_TRUE(Edit(k)->text().isEmpty());
        EXPECT_EQ(Edit(k)->maxLength(), 32767) << k; // QLineEdit's own: no limit of ours
        EXPECT_EQ(Edit(k)->validator(), nullptr) << k;
    }
    EXPECT_EQ(Find<QGroupBox>("PanelPoisk")->title(), Q(" П О И С К "));
    QPushButton* button = Find<QPushButton>("ButtonPoisk");
    EXPECT_EQ(button->text(), Q("Найти >>>"));
    EXPECT_EQ(button->toolTip(), Q("Начать поиск"));
    EXPECT_TRUE(button->font().bold());

    QLabel* panel = Panel();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->font().family(), Q("Times New Roman"));
    EXPECT_EQ(panel->font().pixelSize(), 19);
    EXPECT_TRUE(panel->font().bold());
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::red));
    // A lowered outer and a raised inner bevel of 5 pixels with 10 between them.
    EXPECT_EQ(panel->frameShape(), QFrame::Box);
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(panel->lineWidth(), 5);
    EXPECT_EQ(panel->midLineWidth(), 10);
}

TEST_F(SearchTest, WithoutAUsableWordOnlySaysSo) {
    ShowWindow();
    Trigger("MainMenu_Sort");
    const std::vector<int32_t> before = State().Spisok;
    const QString memo = MemoText("MemoRecept");
    // CheckPoisk1 is ticked and empty; EPoisk3 holds a word but is not ticked.
    SetWord(3, "суп", false);
    Edit(3)->setFocus();
    PanelWatch watch(Panel());
    Press();
    EXPECT_EQ(Messages(), QStringList{Q("Не отмечены слова для поиска!")});
    EXPECT_EQ(State().Spisok, before);
    EXPECT_EQ(Cell(0, 1), Q("Борщ украинский"));
    EXPECT_EQ(MemoText("MemoRecept"), memo);
    EXPECT_EQ(Window().focusWidget(), Edit(3));
    EXPECT_EQ(watch.shows, 0);
    EXPECT_TRUE(Panel()->isHidden());
}

TEST_F(SearchTest, WordsComeFromTickedFieldsThatAreNotEmpty) {
    SetWord(1, "", true);
    SetWord(2, "суп", true);
    SetWord(3, "борщ", false); // would leave nothing to find, were it used
    Press();
    EXPECT_EQ(Listed(), Names{"Суп гороховый"});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SearchTest, MatchingRule) {
    struct Case {
        std::vector<const char*> words;
        bool name, ingridient, text;
        Names found;
    };
    const Case cases[] = {
        // Case is ignored, fragments are found inside words.
        {{"БОРЩ"}, true, false, false, {"Борщ украинский"}},
        {{"сол"}, true, false, false, {"Фасоль с грибами"}},
        // The word is taken as typed, its leading blank included.
        {{" суп"}, true, false, false, {}},
        {{"суп"}, true, false, false, {"Суп гороховый"}},
        // All words in one field; fields do not add up.
        {{"курица", "рис"}, true, true, false, {"Плов"}},
        {{"жареная", "курица"}, true, false, false, {"Курица жареная"}},
        // Lines are joined with nothing between them.
        {{"льпер"}, false, true, false, {"Салат летний"}},
        {{"мяту"}, false, false, true, {"Компот"}},
        {{"мяту"}, false, true, false, {}},
        {{"вишня"}, false, false, true, {}},
        {{"сварить"}, false, false, true, {"Борщ украинский", "Уха", "Суп гороховый"}},
        // No field to look in: nothing is found, and nothing is said.
        {{"суп"}, false, false, false, {}},
        // A character Windows-1251 lacks cannot occur in the base.
        {{"суп", "ä"}, true, true, true, {}},
        {{"€"}, true, true, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.front());
        SetFields(c.name, c.ingridient, c.text);
        EXPECT_EQ(SearchFor(c.words), c.found);
    }
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SearchTest, InTheCurrentListEachSearchStartsFromThePickers) {
    Choose("CClass", "СУПЫ");
    Trigger("MainMenu_Sort");
    ASSERT_EQ(Listed(), (Names{"Борщ украинский", "Суп гороховый", "Уха"}));
    // The result keeps table order, not the sorted order on show.
    EXPECT_EQ(SearchFor({"у"}), (Names{"Борщ украинский", "Уха", "Суп гороховый"}));
    EXPECT_EQ(SearchFor({"борщ"}), Names{"Борщ украинский"});
    EXPECT_EQ(SearchFor({"уха"}), Names{"Уха"});
    EXPECT_EQ(SearchFor({"плов"}), Names{});
    EXPECT_EQ(Find<QLabel>("StatusSpisok")->text(),
              Q("В базе 8 рецептов! Отсортировано 0 рецептов!"));
}

TEST_F(SearchTest, ThroughTheWholeBaseThePickersKeepTheirChoice) {
    Choose("CClass", "СУПЫ");
    Tick("CheckFlags")->setChecked(false);
    EXPECT_EQ(SearchFor({"а"}), (Names{"Борщ украинский", "Фасоль с грибами", "Уха",
                                       "Курица жареная", "Салат летний"}));
    EXPECT_EQ(Picker("CClass")->currentText(), Q("СУПЫ"));
    EXPECT_EQ(State().Filters.Class, 4);
    EXPECT_EQ(Cell(0, 1), Q("Борщ украинский"));
    EXPECT_EQ(Cell(4, 2), Q("5"));
    EXPECT_EQ(Find<QLabel>("StatusSpisok")->text(),
              Q("В базе 8 рецептов! Отсортировано 5 рецептов!"));
}

TEST_F(SearchTest, FindsWhatWasChangedInTheStoreSinceTheLastSearch) {
    Tick("CheckFlags")->setChecked(false);
    ASSERT_EQ(SearchFor({"суп"}), Names{"Суп гороховый"});
    ASSERT_EQ(State().Recepts.AppendRecept(MakeRecept("Грибной суп"), false),
              base::AppendStatus::Ok);
    EXPECT_EQ(SearchFor({"суп"}), (Names{"Суп гороховый", "Грибной суп"}));
    State().Recepts.ChangeRecept(7, MakeRecept("Гороховая похлёбка"));
    EXPECT_EQ(SearchFor({"суп"}), Names{"Грибной суп"});
    EXPECT_EQ(SearchFor({"похлёбка"}), Names{"Гороховая похлёбка"});
    State().Recepts.DeleteRecept(0);
    EXPECT_EQ(SearchFor({"суп"}), Names{"Грибной суп"});
    EXPECT_EQ(State().Spisok, std::vector<int32_t>{7});
    EXPECT_EQ(SearchFor({"борщ"}), Names{});
}

TEST_F(SearchTest, MarksSurviveASearch) {
    State().Recepts.SetSelected(7, true);
    State().Recepts.SetSelected(1, true);
    EXPECT_EQ(SearchFor({"суп"}), Names{"Суп гороховый"});
    EXPECT_EQ(Find<QPushButton>("ButtonSelect")->text(), Q("ВЫБРАН"));
    EXPECT_EQ(SearchFor({"горох"}), Names{"Суп гороховый"});
    Trigger("MainMenu_Select");
    EXPECT_EQ(Listed(), (Names{"Фасоль с грибами", "Суп гороховый"}));
}

TEST_F(SearchTest, TheNoticeIsShownAndDrawnWhileTheSearchRuns) {
    ShowWindow();
    Edit(1)->setFocus();
    PanelWatch watch(Panel());
    SetWords({"суп"});
    Press();
    EXPECT_EQ(Listed(), Names{"Суп гороховый"});
    EXPECT_EQ(watch.shows, 1);
    ASSERT_FALSE(watch.paintedTexts.isEmpty());
    EXPECT_EQ(watch.paintedTexts.front(), Q("Идет поиск... Ждите..."));
    EXPECT_TRUE(Panel()->isHidden());
    EXPECT_EQ(Window().focusWidget(), Grid());
    EXPECT_EQ(MemoText("MemoIngridient"), Q("горох"));
}

TEST_F(SearchTest, EnterInAWordFieldStartsNothing) {
    ShowWindow();
    for (const char* word : {"суп", ""}) {
        SetWords({word});
        QTest::keyClick(Edit(1), Qt::Key_Return);
        QTest::keyClick(Edit(1), Qt::Key_Enter);
    }
    EXPECT_EQ(State().SpisokCount(), 8);
    EXPECT_TRUE(Messages().isEmpty());
}

} // namespace
} // namespace timyanka::testing
