// The protein and calorie calculators: their arithmetic case by case, the key filter of the
// weight field, the button, a pasted weight that is no number and the state they keep.
#include "dialogs/UBelok.h"
#include "dialogs/UKalori.h"
#include "dialogs/calculators.h"
#include "platform/testing/recording_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace timyanka::dialogs {
namespace {

using platform::testing::CallKind;
using platform::testing::RecordingPlatform;

struct CalcCase {
    const char* weight;
    Activity level;
    const char* shown;
};

void PrintTo(const CalcCase& c, std::ostream* os) {
    *os << '"' << c.weight << "\" at level " << static_cast<int>(c.level) + 1;
}

class BelokCalc : public ::testing::TestWithParam<CalcCase> {};

TEST_P(BelokCalc, ShowsGramsPerDay) {
    const CalcResult r = BelokResult(GetParam().weight, GetParam().level);
    EXPECT_EQ(r.status, CalcStatus::Ok);
    EXPECT_EQ(r.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, BelokCalc,
                         ::testing::Values(CalcCase{"75", Activity::Passive, "75"},
                                           CalcCase{"75", Activity::Moderate, "112"},
                                           CalcCase{"75", Activity::Strenuous, "225"},
                                           CalcCase{"999", Activity::Passive, "999"},
                                           CalcCase{"999", Activity::Moderate, "1498"},
                                           CalcCase{"999", Activity::Strenuous, "2997"},
                                           CalcCase{"075", Activity::Passive, "075"},
                                           CalcCase{"075", Activity::Moderate, "112"},
                                           CalcCase{"1", Activity::Moderate, "1"},
                                           CalcCase{"", Activity::Passive, "0"},
                                           CalcCase{"", Activity::Strenuous, "0"},
                                           // the passive level copies even a pasted text
                                           CalcCase{"7x", Activity::Passive, "7x"}));

class KaloriCalc : public ::testing::TestWithParam<CalcCase> {};

TEST_P(KaloriCalc, ShowsCaloriesPerDay) {
    const CalcResult r = KaloriResult(GetParam().weight, GetParam().level);
    EXPECT_EQ(r.status, CalcStatus::Ok);
    EXPECT_EQ(r.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KaloriCalc,
    ::testing::Values(
        CalcCase{"70", Activity::Passive, "1543"}, CalcCase{"70", Activity::Moderate, "2314"},
        CalcCase{"70", Activity::Strenuous, "3086"}, CalcCase{"100", Activity::Passive, "2204"},
        CalcCase{"100", Activity::Moderate, "3306"}, CalcCase{"100", Activity::Strenuous, "4409"},
        // one below the exact product: the constant is
        // a little below 1 / 0.4536
        CalcCase{"567", Activity::Passive, "12499"}, CalcCase{"567", Activity::Moderate, "18749"},
        CalcCase{"567", Activity::Strenuous, "24999"}, CalcCase{"189", Activity::Moderate, "6249"},
        CalcCase{"945", Activity::Moderate, "31249"}, CalcCase{"999", Activity::Strenuous, "44047"},
        CalcCase{"075", Activity::Passive, "1653"}, CalcCase{"", Activity::Strenuous, "0"}));

TEST(Calculators, TextThatIsNoNumberIsNotCalculated) {
    for (const char* text : {"7x", "abc", " 5", "5 ", "1.5", "+", "-", "+-5", "99999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(BelokResult(text, Activity::Moderate).status, CalcStatus::NotANumber);
        EXPECT_EQ(BelokResult(text, Activity::Strenuous).status, CalcStatus::NotANumber);
        EXPECT_EQ(KaloriResult(text, Activity::Passive).status, CalcStatus::NotANumber);
    }
}

TEST(Calculators, ReadsSignedDecimalIntegers) {
    EXPECT_EQ(ReadWholeNumber("075"), 75);
    EXPECT_EQ(ReadWholeNumber("+5"), 5);
    EXPECT_EQ(ReadWholeNumber("-5"), -5);
    EXPECT_EQ(ReadWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ReadWholeNumber("2147483648"), std::nullopt);
    EXPECT_EQ(ReadWholeNumber(""), std::nullopt);
}

TEST(Calculators, NotANumberMessage) {
    EXPECT_EQ(NotAnIntegerMessage("7x"), "'7x' не является целым числом");
    EXPECT_EQ(NotAnIntegerMessage("вес"), "'вес' не является целым числом");
}

TEST(Calculators, TypedCharacterRule) {
    for (const char32_t c : {U'0', U'5', U'9'}) {
        EXPECT_EQ(WeightKeyAction(c), WeightKey::Insert);
    }
    for (const char32_t c : {U'.', U'\b'}) {
        EXPECT_EQ(WeightKeyAction(c), WeightKey::ClearAndRefuse);
    }
    // a comma, a minus, Enter, Ctrl+V, an Arabic-Indic three, a Cyrillic letter
    for (const char32_t c : {U',', U'-', U'\r', U'\x16', U'\u0663', U'я'}) {
        EXPECT_EQ(WeightKeyAction(c), WeightKey::Refuse) << static_cast<unsigned>(c);
    }
}

// Both windows, behind one face, so that the shared behaviour is checked on each.
struct CalculatorWindow {
    const char* name;
    std::function<std::unique_ptr<QDialog>(platform::Platform&, QWidget*)> make;
};

void PrintTo(const CalculatorWindow& w, std::ostream* os) {
    *os << w.name;
}

class CalculatorDialog : public ::testing::TestWithParam<CalculatorWindow> {
protected:
    void SetUp() override {
        dialog_ = GetParam().make(platform_, &mainWindow_);
        dialog_->show();
        edit_ = Find<QLineEdit>("Edit1");
        result_ = Find<QLabel>("Label1");
    }

    template <typename T> T* Find(const char* name) {
        T* const child = dialog_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    void Type(const QString& weight) {
        edit_->setFocus();
        QTest::keyClicks(edit_, weight);
    }

    void Compute(const char* level) {
        Find<QRadioButton>(level)->click();
        Find<QPushButton>("Button1")->click();
    }

    std::size_t Beeps() const { return platform_.CallsOf(CallKind::Beep).size(); }

    RecordingPlatform platform_;
    QWidget mainWindow_;
    std::unique_ptr<QDialog> dialog_;
    QLineEdit* edit_ = nullptr;
    QLabel* result_ = nullptr;
};

TEST_P(CalculatorDialog, StartsWithZeroAndThePassiveLevel) {
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), QStringLiteral(" ВЫБИРИ: "));
    EXPECT_EQ(Find<QRadioButton>("RB1")->text(),
              QStringLiteral("Я веду пассивный образ жизни в физическом плане;"));
    EXPECT_EQ(Find<QRadioButton>("RB2")->text(),
              QStringLiteral("Я умерено активен в физическом плане;"));
    EXPECT_EQ(Find<QRadioButton>("RB3")->text(),
              QStringLiteral("Я занимаюсь напряжонной физической деятельностью."));
    EXPECT_EQ(Find<QGroupBox>("GroupBox2")->title(), QStringLiteral(" ВВЕДИТЕ ВАШ ВЕС: "));
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("кг"));
    EXPECT_EQ(Find<QPushButton>("Button1")->text(), QStringLiteral("ПОДСЧИТАТЬ"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox3")->title(), QStringLiteral(" А ВОТ И РЕЗУЛЬТАТ: "));
    EXPECT_TRUE(Find<QRadioButton>("RB1")->isChecked());
    EXPECT_EQ(edit_->text(), QStringLiteral("0"));
    EXPECT_EQ(edit_->maxLength(), 3);
    EXPECT_EQ(result_->text(), QStringLiteral("0"));
    EXPECT_TRUE(result_->font().bold());
    EXPECT_TRUE(result_->font().italic());
    EXPECT_EQ(result_->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_P(CalculatorDialog, DigitsAreTyped) {
    edit_->clear();
    Type(QStringLiteral("75"));
    EXPECT_EQ(edit_->text(), QStringLiteral("75"));
    EXPECT_EQ(Beeps(), 0u);
}

TEST_P(CalculatorDialog, FullStopAndBackspaceEmptyTheWholeFieldWithABeep) {
    for (const Qt::Key key : {Qt::Key_Period, Qt::Key_Backspace}) {
        edit_->setText(QStringLiteral("758"));
        edit_->setCursorPosition(1);
        platform_.ClearCalls();
        QTest::keyClick(edit_, key);
        EXPECT_EQ(edit_->text(), QString()) << key;
        EXPECT_EQ(Beeps(), 1u) << key;
    }
}

TEST_P(CalculatorDialog, OtherCharactersAreRefusedWithOneBeepEach) {
    edit_->setText(QStringLiteral("75"));
    QTest::keyClick(edit_, Qt::Key_A);
    EXPECT_EQ(edit_->text(), QStringLiteral("75"));
    EXPECT_EQ(Beeps(), 1u);
    QTest::keyClick(edit_, Qt::Key_Comma);
    QTest::keyClick(edit_, Qt::Key_Minus);
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_EQ(edit_->text(), QStringLiteral("75"));
    EXPECT_EQ(Beeps(), 4u);
    EXPECT_TRUE(dialog_->isVisible()) << "Enter in the field does not end the window";
}

TEST_P(CalculatorDialog, ClipboardKeysAreRefusedWithABeep) {
    QApplication::clipboard()->setText(QStringLiteral("9"));
    edit_->setText(QStringLiteral("75"));
    edit_->selectAll();
    for (const Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_C}) {
        QTest::keyClick(edit_, key, Qt::ControlModifier);
    }
    EXPECT_EQ(edit_->text(), QStringLiteral("75"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("9"));
    EXPECT_EQ(Beeps(), 3u);
}

TEST_P(CalculatorDialog, AFourthDigitIsRefusedByTheLengthLimit) {
    edit_->clear();
    Type(QStringLiteral("1234"));
    EXPECT_EQ(edit_->text(), QStringLiteral("123"));
    EXPECT_EQ(Beeps(), 0u);
}

TEST_P(CalculatorDialog, KeysThatTypeNothingPass) {
    edit_->setText(QStringLiteral("758"));
    edit_->setCursorPosition(0);
    QTest::keyClick(edit_, Qt::Key_Delete);
    QTest::keyClick(edit_, Qt::Key_End);
    QTest::keyClick(edit_, Qt::Key_Left);
    QTest::keyClick(edit_, Qt::Key_Delete);
    EXPECT_EQ(edit_->text(), QStringLiteral("5"));
    EXPECT_EQ(Beeps(), 0u);
}

TEST_P(CalculatorDialog, AnEmptyFieldCountsAsZero) {
    Type(QStringLiteral("80"));
    Compute("RB2");
    edit_->clear();
    Compute("RB3");
    EXPECT_EQ(edit_->text(), QStringLiteral("0"));
    EXPECT_EQ(result_->text(), QStringLiteral("0"));
}

TEST_P(CalculatorDialog, APastedTextThatIsNoNumberIsReportedAndTheResultKept) {
    edit_->clear();
    Type(QStringLiteral("80"));
    Compute("RB3");
    const QString before = result_->text();
    QApplication::clipboard()->setText(QStringLiteral("8о")); // a Cyrillic о for a zero
    edit_->selectAll();
    edit_->paste(); // the context menu's paste, which no key filter sees
    Compute("RB2");
    EXPECT_EQ(platform_.Messages(), QStringList{QStringLiteral("'8о' не является целым числом")});
    EXPECT_EQ(result_->text(), before);
}

TEST_P(CalculatorDialog, KeepsWeightLevelAndResultBetweenShowings) {
    QString shown;
    platform_.QueueModal([&](QDialog& dialog) {
        EXPECT_EQ(&dialog, dialog_.get());
        edit_->clear();
        Type(QStringLiteral("80"));
        Compute("RB3");
        shown = result_->text();
        dialog.close();
        return static_cast<int>(QDialog::Rejected);
    });
    platform_.QueueModal([&](QDialog&) {
        EXPECT_EQ(edit_->text(), QStringLiteral("80"));
        EXPECT_TRUE(Find<QRadioButton>("RB3")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>("RB1")->isChecked());
        EXPECT_EQ(result_->text(), shown);
        return static_cast<int>(QDialog::Rejected);
    });
    dialog_->hide();
    if (auto* belok = qobject_cast<TFBelok*>(dialog_.get())) {
        belok->Execute();
        belok->Execute();
    } else {
        auto* kalori = qobject_cast<TFKalori*>(dialog_.get());
        ASSERT_NE(kalori, nullptr);
        kalori->Execute();
        kalori->Execute();
    }
    EXPECT_TRUE(platform_.ScriptUsedUp());
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_NE(shown, QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CalculatorDialog,
    ::testing::Values(CalculatorWindow{"Belok",
                                       [](platform::Platform& p, QWidget* parent) {
                                           return std::unique_ptr<QDialog>(
                                               std::make_unique<TFBelok>(p, parent));
                                       }},
                      CalculatorWindow{"Kalori",
                                       [](platform::Platform& p, QWidget* parent) {
                                           return std::unique_ptr<QDialog>(
                                               std::make_unique<TFKalori>(p, parent));
                                       }}),
    [](const ::testing::TestParamInfo<CalculatorWindow>& info) {
        return std::string(info.param.name);
    });

class Belok : public ::testing::Test {
protected:
    RecordingPlatform platform_;
    QWidget mainWindow_;
    TFBelok dialog_{platform_, &mainWindow_};
    QLineEdit& edit_ = *dialog_.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QLabel& result_ = *dialog_.findChild<QLabel*>(QStringLiteral("Label1"));

    void Compute(const char* level) {
        dialog_.findChild<QRadioButton*>(QString::fromLatin1(level))->click();
        dialog_.Button1Click();
    }
};

TEST_F(Belok, WindowAndUnit) {
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Сколько нужно потреблять белка в сутки?"));
    EXPECT_EQ(dialog_.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("грамм в сутки"));
}

TEST_F(Belok, ComputesFromTheField) {
    edit_.setText(QStringLiteral("075"));
    Compute("RB1");
    EXPECT_EQ(result_.text(), QStringLiteral("075"));
    Compute("RB2");
    EXPECT_EQ(result_.text(), QStringLiteral("112"));
    edit_.setText(QStringLiteral("999"));
    Compute("RB3");
    EXPECT_EQ(result_.text(), QStringLiteral("2997"));
}

TEST_F(Belok, ThePassiveLevelCopiesAPastedTextWithoutMessage) {
    edit_.setText(QStringLiteral("8о"));
    Compute("RB1");
    EXPECT_EQ(result_.text(), QStringLiteral("8о"));
    EXPECT_TRUE(platform_.Messages().isEmpty());
}

class Kalori : public ::testing::Test {
protected:
    RecordingPlatform platform_;
    QWidget mainWindow_;
    TFKalori dialog_{platform_, &mainWindow_};
};

TEST_F(Kalori, WindowUnitAndReminder) {
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Расчет калорий"));
    EXPECT_EQ(dialog_.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("калорий в сутки"));
    const auto* box = dialog_.findChild<QGroupBox*>(QStringLiteral("GroupBox4"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral(" ПОМНИ !!! "));
    EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(Qt::red));
    const auto* memo = box->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0xc0, 0xc0, 0xc0));
    const QStringList expected = {QStringLiteral("1г жира обеспечивает "),
                                  QStringLiteral("вашему организму"),
                                  QStringLiteral("      = 9,3 калории,"),
                                  QString(),
                                  QStringLiteral("1г углеводов"),
                                  QStringLiteral("      = 3,75 калории,"),
                                  QString(),
                                  QStringLiteral("1г белка = 4,1 калории.")};
    EXPECT_EQ(memo->toPlainText().split(QLatin1Char('\n')), expected);
}

TEST_F(Kalori, ComputesFromTheField) {
    auto& edit = *dialog_.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit.setText(QStringLiteral("567"));
    dialog_.Button1Click();
    EXPECT_EQ(dialog_.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("12499"));
}

} // namespace
} // namespace timyanka::dialogs
