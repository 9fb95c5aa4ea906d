// The list grid and the detail pane of the main window: building and showing the list,
// showing the current recipe, marking and sorting.
#include "app/UTimyanka.h"

#include "app/SpisokModel.h"
#include "app/design_fonts.h"
#include "app/recept_detail.h"
#include "app/status_panels.h"
#include "text/collation.h"
#include "text/cp1251.h"
#include "ui_UTimyanka.h"

#include <QLabel>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace timyanka::app {

namespace {

QString ToQt(const std::string& cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

QString JoinLines(const base::Lines& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& l : lines) {
        out << ToQt(l);
    }
    return out.join(QLatin1Char('\n'));
}

} // namespace

void TFGlobal::BuildSpisok() {
    state_.Spisok =
        app::BuildSpisok(state_.Recepts.Recepts(), state_.Filters, CurrentPickerTexts());
}

void TFGlobal::ShowSpisok() {
    spisokStatus_->setText(SpisokStatusText(state_.ReceptCount(), state_.SpisokCount()));
    {
        // The grid's own move to its first row is not the user's: the pane is refreshed
        // below, and only for a list that is not empty.
        fillingGrid_ = true;
        model_->Reset();
        QTableView& grid = *ui_->SGSpisok;
        grid.setCurrentIndex(model_->index(0, SpisokModel::ColumnName));
        grid.scrollToTop();
        fillingGrid_ = false;
    }
    ui_->MemoIngridient->clear();
    ui_->MemoRecept->clear();
    if (state_.SpisokCount() > 0) {
        ShowRecept();
    }
}

int32_t TFGlobal::CurrentRowId() const {
    const QModelIndex current = ui_->SGSpisok->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    return model_->index(row, SpisokModel::ColumnId).data().toString().toInt();
}

void TFGlobal::ShowRecept() {
    ui_->MemoIngridient->show();
    ReceptDetail d = BareDetail();
    ui_->LNation->setText(ToQt(d.Nation));
    ui_->LClass->setText(ToQt(d.Class));
    ui_->LPodClass->setText(ToQt(d.PodClass));
    ui_->LOsoboe->setText(ToQt(d.Osoboe));
    if (state_.SpisokCount() == 0) {
        return;
    }
    const int32_t id = CurrentRowId();
    if (id < 0 || id >= state_.ReceptCount()) {
        return;
    }
    const base::TRecept& r = state_.Recepts.Recept(id);
    ui_->MemoRecept->setPlainText(JoinLines(r.Text));
    ui_->MemoIngridient->setPlainText(JoinLines(r.Ingridient));
    d = DescribeRecept(r, state_.Classes);
    ui_->LNation->setText(ToQt(d.Nation));
    ui_->LClass->setText(ToQt(d.Class));
    ui_->LPodClass->setText(ToQt(d.PodClass));
    ui_->LOsoboe->setText(ToQt(d.Osoboe));
    ui_->MemoIngridient->setVisible(d.ShowIngridient);
    state_.CurrentRecept = id;
    const bool marked = r.Selected != 0;
    ui_->ButtonSelect->setText(marked ? QStringLiteral("ВЫБРАН") : QStringLiteral("Выбрать"));
    ui_->ButtonSelect->setFont(SansSerifFont(11, marked));
}

void TFGlobal::SGSpisokClick() {
    ShowRecept();
}

void TFGlobal::SGSpisokSelectCell() {
    if (!fillingGrid_) {
        ShowRecept();
    }
}

void TFGlobal::ButtonSelectClick() {
    if (state_.SpisokCount() == 0) {
        return;
    }
    if (state_.CurrentRecept < 0 || state_.CurrentRecept >= state_.ReceptCount()) {
        return;
    }
    state_.Recepts.ToggleSelected(state_.CurrentRecept);
    ShowRecept();
    FocusGrid();
}

void TFGlobal::MainMenu_SelectClick() {
    state_.Spisok.clear();
    for (const base::TRecept& r : state_.Recepts.Recepts()) {
        if (r.Selected != 0) {
            state_.Spisok.push_back(r.Id);
        }
    }
    ShowSpisok();
    FocusGrid();
}

void TFGlobal::N14Click() {
    state_.Recepts.ClearMarks();
    ShowSpisok();
    FocusGrid();
}

void TFGlobal::MainMenu_SortClick() {
    const base::ReceptStore& recepts = state_.Recepts;
    const auto nameOf = [&recepts](int32_t id) -> const std::string& {
        return recepts.Recept(id).Name;
    };
    const bool plain = std::all_of(state_.Spisok.begin(), state_.Spisok.end(),
                                   [&](int32_t id) { return text::HasPlainCollation(nameOf(id)); });
    if (plain) {
        // The weights give the collator's order straight from the bytes; a base of 100,000
        // names sorts without converting a single one.
        std::vector<std::string_view> names;
        names.reserve(state_.Spisok.size());
        for (int32_t id : state_.Spisok) {
            names.emplace_back(nameOf(id));
        }
        std::vector<int32_t> sorted;
        sorted.reserve(state_.Spisok.size());
        for (std::size_t i : text::PlainSortOrder(names)) {
            sorted.push_back(state_.Spisok[i]);
        }
        state_.Spisok = std::move(sorted);
    } else {
        std::vector<QString> names;
        names.reserve(state_.Spisok.size());
        for (int32_t id : state_.Spisok) {
            names.push_back(ToQt(nameOf(id)));
        }
        std::vector<int32_t> sorted;
        sorted.reserve(state_.Spisok.size());
        for (std::size_t i : platform_.NameCollator().SortOrder(names)) {
            sorted.push_back(state_.Spisok[i]);
        }
        state_.Spisok = std::move(sorted);
    }
    ShowSpisok();
    FocusGrid();
}

} // namespace timyanka::app
