// The search panel: the words of the ticked fields, looked for among the recipes the pickers
// select or in the whole table; the recipes that hold them all in one field become the list.
#include "app/UTimyanka.h"

#include "base/search.h"
#include "text/cp1251.h"
#include "ui_UTimyanka.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <numeric>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace timyanka::app {

namespace {

using WordFields = std::array<std::pair<const QCheckBox*, const QLineEdit*>, base::kMaxSearchWords>;

// The words of one search, Windows-1251, the used ones first in field order.
struct SearchWordSlots {
    std::array<std::string, base::kMaxSearchWords> SearchWords;
    int SearchWordCount = 0;
    // A word holds a character the code page lacks, so no recipe of the base can hold it.
    bool Unmatchable = false;
};

SearchWordSlots CollectWords(const WordFields& fields) {
    SearchWordSlots collected;
    for (const auto& [tick, edit] : fields) {
        const QString typed = edit->text();
        if (!tick->isChecked() || typed.isEmpty()) {
            continue;
        }
        text::Utf8ToCp1251Result word = text::Utf8ToCp1251(typed.toStdString());
        collected.Unmatchable = collected.Unmatchable || word.status != text::ConvertStatus::Ok;
        collected.SearchWords[static_cast<std::size_t>(collected.SearchWordCount++)] =
            std::move(word.text);
    }
    return collected;
}

} // namespace

void TFGlobal::ButtonPoiskClick() {
    const SearchWordSlots collected = CollectWords({{
        {ui_->CheckPoisk1, ui_->EPoisk1},
        {ui_->CheckPoisk2, ui_->EPoisk2},
        {ui_->CheckPoisk3, ui_->EPoisk3},
        {ui_->CheckPoisk4, ui_->EPoisk4},
        {ui_->CheckPoisk5, ui_->EPoisk5},
    }});
    if (collected.SearchWordCount == 0) {
        ShowMessage("Не отмечены слова для поиска!");
        return;
    }
    const base::SearchFields fields{ui_->CheckName->isChecked(), ui_->CheckIngr->isChecked(),
                                    ui_->CheckText->isChecked()};
    // A query without words matches nothing, which is what an unmatchable word amounts to.
    const std::span<const std::string> words =
        collected.Unmatchable ? std::span<const std::string>{}
                              : std::span<const std::string>(collected.SearchWords)
                                    .first(static_cast<std::size_t>(collected.SearchWordCount));
    const base::SearchQuery query(words, fields);

    QLabel& panel = *ui_->Panel_Poisk;
    panel.setText(QStringLiteral("Идет поиск... Ждите..."));
    panel.show();
    // The search blocks the event loop: the notice is drawn now, or it would only appear
    // once the search is over, that is never. The user's clicks and keys wait.
    panel.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (ui_->CheckFlags->isChecked()) {
        SearchSpisok(query);
    } else {
        SearchBase(query);
    }
    panel.hide();
    FocusGrid();
}

void TFGlobal::SearchSpisok(const base::SearchQuery& query) {
    // Every search starts again from the picker selection, not from the list on show.
    BuildSpisok();
    state_.Index.Sync(state_.Recepts);
    state_.Spisok = base::Search(state_.Index, state_.Spisok, query);
    ShowSpisok();
}

void TFGlobal::SearchBase(const base::SearchQuery& query) {
    std::vector<int32_t> candidates(static_cast<std::size_t>(state_.ReceptCount()));
    std::iota(candidates.begin(), candidates.end(), 0);
    state_.Index.Sync(state_.Recepts);
    state_.Spisok = base::Search(state_.Index, candidates, query);
    ShowSpisok();
}

} // namespace timyanka::app
