#include "dialogs/ReceptEditor.h"

#include "base/base_file.h"
#include "classification/class_names.h"
#include "dialogs/memo_lines.h"
#include "text/cp1251.h"
#include "ui_ReceptEditor.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace timyanka::dialogs {

namespace cls = classification;

namespace {

// The classes that have sub-classes of their own.
constexpr int32_t kFirstSubClassed = 2;
constexpr int32_t kLastSubClassed = 16;

bool HasSubClasses(int32_t k) {
    return k >= kFirstSubClassed && k <= kLastSubClassed;
}

// The picker's selected text in Windows-1251; the empty text when nothing is selected. The
// entries all came from Windows-1251 names, so the conversion cannot fail.
std::string PickedText(const QComboBox& picker) {
    if (picker.currentIndex() < 0) {
        return {};
    }
    return text::Utf8ToCp1251(picker.currentText().toStdString()).text;
}

// The first of the first `count` entries named `name` gives the code.
template <typename Table>
std::optional<int32_t> FirstCodeOf(const Table& table, int32_t count, const std::string& name) {
    const auto used =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), std::size(table));
    for (std::size_t i = 0; i < used; ++i) {
        if (table[i].Name == name) {
            return table[i].Code;
        }
    }
    return std::nullopt;
}

// The memo's text with the line breaks the user typed as '\n'. The document's own text
// keeps no-break spaces, which its plain-text form would turn into blanks.
QString MemoPlainText(const QPlainTextEdit& memo) {
    QString t = memo.document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

} // namespace

QString Shown(const std::string& cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

void SetMemoLines(QPlainTextEdit& memo, const base::Lines& lines) {
    memo.setPlainText(Shown(MemoText(lines)));
}

ReceptEditor::ReceptEditor(const EditorContext& context, const QString& caption,
                           const QString& okCaption, QWidget* parent)
    : QDialog(parent), context_(context), ui_(std::make_unique<Ui::ReceptEditor>()) {
    ui_->setupUi(this);
    setWindowTitle(caption);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    ui_->BitBtnOK->setText(okCaption);
    ui_->BitBtnOK->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui_->BitBtnNO->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    ui_->MemoIngridient->viewport()->setCursor(Qt::ArrowCursor);
    ui_->MemoRecept->viewport()->setCursor(Qt::ArrowCursor);
    ui_->EditName->setMaxLength(kNameMaxLength);
    ui_->C1Ur->hide();

    // Only the user's choice runs a picker handler; code that selects an entry sets the
    // working code itself.
    connect(ui_->CNational, &QComboBox::activated, this, &ReceptEditor::CNationalChange);
    connect(ui_->CClass, &QComboBox::activated, this, &ReceptEditor::CClassChange);
    connect(ui_->C1Ur, &QComboBox::activated, this, &ReceptEditor::C1UrChange);
    connect(ui_->COsoboe, &QComboBox::activated, this, &ReceptEditor::COsoboeChange);
    connect(ui_->BitBtnOK, &QPushButton::clicked, this, [this] { BitBtnOKClick(); });
    connect(ui_->BitBtnNO, &QPushButton::clicked, this, &ReceptEditor::BitBtnNOClick);
}

ReceptEditor::~ReceptEditor() = default;

int ReceptEditor::Execute() {
    if (!CanActivate()) {
        return QDialog::Rejected;
    }
    setResult(QDialog::Rejected);
    FormActivate();
    return context_.platform.ShowModal(*this);
}

void ReceptEditor::CopyMainPicker(QComboBox& editor, const QComboBox& main) {
    std::vector<QString> items;
    items.reserve(static_cast<std::size_t>(main.count()));
    for (int i = 0; i < main.count(); ++i) {
        // The class picker turns whatever it is given to upper case.
        items.push_back(&editor == ui_->CClass ? main.itemText(i).toUpper() : main.itemText(i));
    }
    editor.clear();
    for (std::size_t i : context_.platform.NameCollator().SortOrder(items)) {
        editor.addItem(items[i]);
    }
    if (editor.count() > 0) {
        editor.removeItem(0);
    }
}

void ReceptEditor::FillSubClasses(int32_t k) {
    const cls::TOpredelitelClass& c = context_.classes.Classes[static_cast<std::size_t>(k)];
    const int32_t count = std::clamp(c.PodCount, 0, cls::kPodClassCapacity);
    std::vector<QString> names;
    for (int32_t j = 0; j < count; ++j) {
        names.push_back(Shown(c.PodClass[static_cast<std::size_t>(j)].Name));
    }
    for (std::size_t i : context_.platform.NameCollator().SortOrder(names)) {
        ui_->C1Ur->addItem(names[i]);
    }
}

void ReceptEditor::RemoveFirstSubClass() {
    if (ui_->C1Ur->count() > 0) {
        ui_->C1Ur->removeItem(0);
    }
}

void ReceptEditor::ShowPickersAndIngredients() {
    ui_->COsoboe->show();
    ui_->MemoIngridient->show();
    ui_->CNational->show();
}

void ReceptEditor::SelectLast(QComboBox& picker, const std::optional<std::string>& cp1251) {
    int found = -1;
    if (cp1251) {
        const QString text = Shown(*cp1251);
        for (int i = 0; i < picker.count(); ++i) {
            if (picker.itemText(i) == text) {
                found = i;
            }
        }
    }
    picker.setCurrentIndex(found);
}

void ReceptEditor::ApplyEditorClass() {
    ui_->C1Ur->clear();
    ShowPickersAndIngredients();
    const int32_t k = cls::ClassIndexOfPickerText(PickedText(*ui_->CClass));
    if (k == cls::kClassOther) {
        ui_->C1Ur->hide();
        codes_.DlgClass = cls::kClassOther;
        codes_.DlgPodClass = -1;
        return;
    }
    if (k == cls::kClassRecommendations) {
        ui_->C1Ur->hide();
        ui_->COsoboe->hide();
        ui_->MemoIngridient->hide();
        ui_->CNational->hide();
        codes_.DlgClass = cls::kClassRecommendations;
        codes_.DlgPodClass = -1;
        RecommendationsPicked();
        return;
    }
    if (HasSubClasses(k)) {
        ui_->C1Ur->show();
        FillSubClasses(k);
        codes_.DlgClass = k;
    }
    RemoveFirstSubClass();
    ui_->C1Ur->setCurrentIndex(ui_->C1Ur->count() > 0 ? 0 : -1);
    codes_.DlgPodClass = cls::kPodClassOther;
}

void ReceptEditor::CNationalChange() {
    const cls::Classification& c = context_.classes;
    if (auto code = FirstCodeOf(c.Nationals, c.NationalCount, PickedText(*ui_->CNational))) {
        codes_.DlgNational = *code;
    }
}

void ReceptEditor::CClassChange() {
    ApplyEditorClass();
}

void ReceptEditor::C1UrChange() {
    const int32_t k = codes_.DlgClass;
    if (k == cls::kClassOther || k == cls::kClassRecommendations) {
        codes_.DlgPodClass = -1;
        return;
    }
    if (HasSubClasses(k)) {
        const cls::TOpredelitelClass& c = context_.classes.Classes[static_cast<std::size_t>(k)];
        if (auto code = FirstCodeOf(c.PodClass, c.PodCount, PickedText(*ui_->C1Ur))) {
            codes_.DlgPodClass = *code;
            return;
        }
    }
    codes_.DlgPodClass = cls::kPodClassOther;
}

void ReceptEditor::COsoboeChange() {
    const cls::Classification& c = context_.classes;
    if (auto code = FirstCodeOf(c.Osobye, c.OsoboeCount, PickedText(*ui_->COsoboe))) {
        codes_.DlgOsoboe = *code;
    }
}

void ReceptEditor::BitBtnNOClick() {
    reject();
}

std::optional<base::TRecept> ReceptEditor::ReadInput() {
    // In the order of the form, so that the message names the first such character the
    // user meets.
    const QString typed[] = {ui_->EditName->text(), MemoPlainText(*ui_->MemoIngridient),
                             MemoPlainText(*ui_->MemoRecept)};
    std::string converted[std::size(typed)];
    for (std::size_t i = 0; i < std::size(typed); ++i) {
        text::Utf8ToCp1251Result r = text::Utf8ToCp1251(typed[i].toStdString());
        if (r.status != text::ConvertStatus::Ok) {
            context_.platform.ShowMessage(
                this, QStringLiteral("Знак «%1» нельзя сохранить в базе рецептов!")
                          .arg(QString::fromStdString(r.character)));
            return std::nullopt;
        }
        converted[i] = std::move(r.text);
    }
    base::TRecept recept;
    recept.National = codes_.DlgNational;
    recept.Name = std::move(converted[0]);
    recept.Ingridient = MemoLines(converted[1], base::kMaxStoredString);
    recept.Text = MemoLines(converted[2], base::kMaxStoredString);
    recept.Class = codes_.DlgClass;
    recept.PodClass = codes_.DlgPodClass;
    recept.Osoboe = codes_.DlgOsoboe;
    return recept;
}

bool ReceptEditor::PassesChecks(const base::TRecept& input, std::optional<int32_t> own) {
    auto fail = [this](const QString& message) {
        context_.platform.ShowMessage(this, message);
        return false;
    };
    if (input.Name.empty()) {
        return fail(QStringLiteral("Рецепта без названия не может быть!"));
    }
    if (input.Text.empty()) {
        return fail(QStringLiteral("Вы не ввели текст рецепта!"));
    }
    if (input.Ingridient.empty() && codes_.DlgClass != cls::kClassRecommendations) {
        return fail(QStringLiteral("Вы не ввели ингредиенты!"));
    }
    const std::string lower = text::AnsiLowerCase(input.Name);
    for (const base::TRecept& r : context_.store.Recepts()) {
        if (own && r.Id == *own) {
            continue;
        }
        if (text::AnsiLowerCase(r.Name) == lower) {
            return fail(QStringLiteral("Рецепт с таким именем уже есть!"));
        }
    }
    return true;
}

} // namespace timyanka::dialogs
