// What the add and change dialogs share: the form, the copied pickers, the class cascade
// and the picked text turned into a working code.
#include "dialogs/UAddRecept.h"
#include "dialogs/URedRecept.h"

#include "editor_test_util.h"

#include <QGroupBox>
#include <QLabel>

namespace timyanka::dialogs::testing {
namespace {

class EditorCascade : public EditorTest {};

TEST_F(EditorCascade, FormCaptionsAndKeyboardOrder) {
    TFAddRecept add(Context());
    TFRedRecept red(Context());
    EXPECT_EQ(add.windowTitle(), Q("Внимание! Добавление нового рецепта!"));
    EXPECT_EQ(red.windowTitle(), Q("Редактирование рецепта!"));
    EXPECT_EQ(EditorForm(add).BitBtnOK.text(), Q("Добавить"));
    EXPECT_EQ(EditorForm(red).BitBtnOK.text(), Q("Изменить"));
    for (QDialog* d : {static_cast<QDialog*>(&add), static_cast<QDialog*>(&red)}) {
        EXPECT_EQ(d->size(), QSize(792, 496));
        EXPECT_EQ(EditorForm(*d).BitBtnNO.text(), Q("Отмена"));
        EXPECT_EQ(EditorForm::Get<QGroupBox>(*d, "PanelFlag").title(),
                  Q(" К Л А С С И Ф И К А Ц И Я     Р Е Ц Е П Т А : "));
        EXPECT_EQ(EditorForm::Get<QGroupBox>(*d, "PanelIngridient").title(),
                  Q(" И Н Г Р Е Д И Е Н Т Ы "));
        EXPECT_EQ(EditorForm::Get<QGroupBox>(*d, "PanelRecept").title(), Q(" Р Е Ц Е П Т "));
        const std::pair<const char*, const char*> labels[] = {{"Label2", "Кухня:"},
                                                              {"Label1", "Класс:"},
                                                              {"Label3", "Подкласс:"},
                                                              {"Label5", "Особенность:"},
                                                              {"Label4", "Название рецепта:"}};
        for (const auto& [name, caption] : labels) {
            EXPECT_EQ(EditorForm::Get<QLabel>(*d, name).text(), Q(caption)) << name;
        }

        const QStringList order = {Q("CNational"),  Q("CClass"),   Q("C1Ur"),
                                   Q("COsoboe"),    Q("EditName"), Q("MemoIngridient"),
                                   Q("MemoRecept"), Q("BitBtnOK"), Q("BitBtnNO")};
        QStringList chain;
        QWidget* w = &EditorForm(*d).CNational;
        do {
            if (order.contains(w->objectName()) && !chain.contains(w->objectName())) {
                chain << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != &EditorForm(*d).CNational);
        EXPECT_EQ(chain, order);
    }
}

TEST_F(EditorCascade, PickersAreTheMainOnesWithoutTheirEntryForAll) {
    TFAddRecept add(Context());
    Script([](EditorForm& f) {
        EXPECT_EQ(Items(f.CNational),
                  (QStringList{Q("Абхазская"), Q("Грузинская"), Q("Грузинская"), Q("Русская")}));
        EXPECT_EQ(Items(f.COsoboe), (QStringList{Q("Детское"), Q("Постное"), Q("Постное")}));
        const QStringList classes = Items(f.CClass);
        ASSERT_EQ(classes.size(), 17);
        EXPECT_EQ(classes[0], Q(" ДРУГОЙ"));
        EXPECT_EQ(classes[1], Q(" РЕКОМЕНДАЦИИ"));
        EXPECT_FALSE(classes.contains(Q(" ВСЕ")));
        EXPECT_TRUE(classes.contains(Q("МОЛОКО И МОЛОЧНЫЕ ПРОДУКТЫ")));
    });
    add.Execute();
}

TEST_F(EditorCascade, OtherAfterAClassWithSubClassesEmptiesAndHidesTheSubClasses) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Pick(f.CClass, "САЛАТЫ");
        EXPECT_TRUE(IsShown(f.C1Ur));
        EXPECT_EQ(Items(f.C1Ur),
                  (QStringList{Q(" Другие"), Q("Мясные"), Q("Овощные"), Q("Овощные")}));
        EXPECT_EQ(f.C1Ur.currentText(), Q(" Другие"));
        EXPECT_EQ(add.Codes().DlgClass, kSalads);
        EXPECT_EQ(add.Codes().DlgPodClass, 1);
        Pick(f.C1Ur, "Мясные");
        EXPECT_EQ(add.Codes().DlgPodClass, 11);

        Pick(f.CClass, " ДРУГОЙ");
        EXPECT_FALSE(IsShown(f.C1Ur));
        EXPECT_EQ(f.C1Ur.count(), 0);
        EXPECT_EQ(f.C1Ur.currentText(), QString());
        EXPECT_EQ(add.Codes().DlgClass, 1);
        EXPECT_EQ(add.Codes().DlgPodClass, -1);
    });
    add.Execute();
}

TEST_F(EditorCascade, RecommendationsHideFourControlsAndAnotherClassShowsThemAgain) {
    store.AppendRecept(timyanka::testing::MakeRecept("Салат", kSalads, 2, 10, 3), false);
    TFAddRecept add(Context());
    TFRedRecept red(Context());
    red.SetRecept(0);
    // Both dialogs hide the same controls; they differ only in the special feature.
    struct Expect {
        ReceptEditor* dialog;
        int32_t osoboeAfterRecommendations;
    } cases[] = {{&add, -1}, {&red, 2}};
    for (const Expect& c : cases) {
        Script([&](EditorForm& f) {
            Pick(f.CNational, "Грузинская");
            Pick(f.COsoboe, "Постное");
            f.MemoIngridient.setPlainText(Q("соль"));
            Pick(f.CClass, "САЛАТЫ");

            Pick(f.CClass, " РЕКОМЕНДАЦИИ");
            for (QWidget* w :
                 {static_cast<QWidget*>(&f.C1Ur), static_cast<QWidget*>(&f.COsoboe),
                  static_cast<QWidget*>(&f.MemoIngridient), static_cast<QWidget*>(&f.CNational)}) {
                EXPECT_FALSE(IsShown(*w)) << w->objectName().toStdString();
            }
            for (const char* name :
                 {"Label2", "Label3", "Label5", "PanelIngridient", "PanelSort3"}) {
                EXPECT_TRUE(IsShown(EditorForm::Get<QWidget>(*c.dialog, name))) << name;
            }
            EXPECT_EQ(f.C1Ur.count(), 0);
            EXPECT_EQ(c.dialog->Codes(), (WorkingCodes{4, 17, -1, c.osoboeAfterRecommendations}));

            Pick(f.CClass, "СУПЫ");
            EXPECT_TRUE(IsShown(f.CNational));
            EXPECT_TRUE(IsShown(f.COsoboe));
            EXPECT_TRUE(IsShown(f.MemoIngridient));
            EXPECT_EQ(f.CNational.currentText(), Q("Грузинская"));
            EXPECT_EQ(f.COsoboe.currentText(), Q("Постное"));
            EXPECT_EQ(f.MemoIngridient.toPlainText(), Q("соль"));
            EXPECT_EQ(c.dialog->Codes(),
                      (WorkingCodes{4, kSoups, 1, c.osoboeAfterRecommendations}));
        });
        c.dialog->Execute();
    }
}

TEST_F(EditorCascade, ASubClassListOfTheEntryForAllAloneLeavesThePickerShownButEmpty) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Pick(f.CClass, "СУПЫ");
        EXPECT_TRUE(IsShown(f.C1Ur));
        EXPECT_EQ(f.C1Ur.count(), 0);
        EXPECT_EQ(f.C1Ur.currentIndex(), -1);
        EXPECT_EQ(add.Codes().DlgClass, kSoups);
        EXPECT_EQ(add.Codes().DlgPodClass, 1);
    });
    add.Execute();
}

TEST_F(EditorCascade, ANameTwiceGivesTheCodeOfItsFirstEntry) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        // Either of the two equal entries.
        for (int nth : {0, 1}) {
            const int cuisine = f.CNational.findText(Q("Грузинская")) + nth;
            f.CNational.setCurrentIndex(cuisine);
            emit f.CNational.activated(cuisine);
            EXPECT_EQ(add.Codes().DlgNational, 4);

            const int feature = f.COsoboe.findText(Q("Постное")) + nth;
            f.COsoboe.setCurrentIndex(feature);
            emit f.COsoboe.activated(feature);
            EXPECT_EQ(add.Codes().DlgOsoboe, 2);

            Pick(f.CClass, "САЛАТЫ");
            const int sub = f.C1Ur.findText(Q("Овощные")) + nth;
            f.C1Ur.setCurrentIndex(sub);
            emit f.C1Ur.activated(sub);
            EXPECT_EQ(add.Codes().DlgPodClass, 10);
        }
    });
    add.Execute();
}

TEST_F(EditorCascade, SelectingFromCodeRunsNoHandler) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        const WorkingCodes before = add.Codes();
        f.CNational.setCurrentIndex(f.CNational.findText(Q("Грузинская")));
        f.COsoboe.setCurrentIndex(f.COsoboe.findText(Q("Детское")));
        f.CClass.setCurrentIndex(f.CClass.findText(Q("САЛАТЫ")));
        EXPECT_EQ(add.Codes(), before);
        EXPECT_FALSE(IsShown(f.C1Ur));
    });
    add.Execute();
}

TEST_F(EditorCascade, TheNameEditRefusesA201stCharacter) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        f.EditName.insert(QString(199, QChar(u'щ')));
        f.EditName.insert(Q("ъ"));
        f.EditName.insert(Q("ы"));
        EXPECT_EQ(f.EditName.text(), QString(199, QChar(u'щ')) + Q("ъ"));
    });
    add.Execute();
}

} // namespace
} // namespace timyanka::dialogs::testing
