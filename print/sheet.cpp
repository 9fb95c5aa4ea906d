#include "print/sheet.h"

#include "classification/class_names.h"
#include "print/html_escape.h"
#include "text/cp1251.h"

#include <vector>

namespace timyanka::print {
namespace {

// The fixed markup of the sheet. Everything that stands between two texts of a block is one
// string, spelt out in the literal pieces it is made of.
struct Pieces {
    std::string head;
    std::string tail;
    std::string beforeName;
    std::string beforeNational;
    std::string beforeClass;
    std::string beforePodClass;
    std::string beforeOsoboe;
    std::string beforeIngridients;
    std::string beforeText;
    std::string afterText;
};

// Closes a framed table of lines; the ingredient and the text tables end alike.
constexpr const char* kCloseFrame = "</font></pre>"
                                    "      </div>"
                                    "    </td>"
                                    "  </tr>"
                                    "</table>";

const Pieces& Markup() {
    static const Pieces pieces = [] {
        Pieces p;
        p.head = text::Cp1251Literal(
            "<html><head><title>ТИМЬЯНКА 2</title>"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
            "</head><body bgcolor=#FFFFFF text=#000000>");
        p.tail = "</body></html>";
        p.beforeName = "<hr>"
                       "<table width=600 border=0>"
                       "  <tr>"
                       "    <td>"
                       "      <div align=center><font face=Times New Roman, Times, serif><b>"
                       "<font size=4 color=#FF00FF>";
        p.beforeNational = text::Cp1251Literal(
            "</font></b></font></div>"
            "    </td></tr></table>"
            "<pre><font face=Times New Roman, Times, serif><b><font color=#0000FF>Кухня:"
            "</font></b> ");
        p.beforeClass = text::Cp1251Literal("<b><font color=#0000FF>\nКласс:</font></b> ");
        p.beforePodClass = text::Cp1251Literal("<b><font color=#0000FF>\nПодкласс:</font></b> ");
        p.beforeOsoboe = text::Cp1251Literal("<b><font color=#0000FF>\nОсобенность:</font></b> ");
        p.beforeIngridients = text::Cp1251Literal("\n"
                                                  "<b>\nИНГРЕДИЕНТЫ:</b></font></pre>"
                                                  "<table width=250 border=2>"
                                                  "  <tr> "
                                                  "    <td>"
                                                  "<div align=left>"
                                                  "        <pre><font face=Times New Roman, "
                                                  "Times, serif>");
        // The text table starts with an empty line, the ingredient table does not.
        p.beforeText = std::string(kCloseFrame) +
                       text::Cp1251Literal("<pre><font face=Times New Roman, Times, serif><b>"
                                           "РЕЦЕПТ:</b></font></pre>"
                                           "<table width=550 border=2>"
                                           "  <tr> "
                                           "    <td>"
                                           "<div align=left>"
                                           "        <pre><font face=Times New Roman, Times, "
                                           "serif>"
                                           "\n");
        p.afterText = kCloseFrame;
        return p;
    }();
    return pieces;
}

void AppendLines(std::string& out, const base::Lines& lines) {
    for (const std::string& line : lines) {
        out += ' ';
        AppendHtmlEscaped(out, line);
        out += '\n';
    }
}

// Room for the fixed markup of one block, so that a sheet grows in few steps.
constexpr std::size_t kBlockMarkupSize = 900;

std::size_t EstimatedBlockSize(const base::TRecept& r) {
    std::size_t n = kBlockMarkupSize + r.Name.size();
    for (const std::string& line : r.Ingridient) {
        n += line.size() + 2;
    }
    for (const std::string& line : r.Text) {
        n += line.size() + 2;
    }
    return n;
}

} // namespace

SheetNames SheetNamesOf(const classification::Classification& c, const base::TRecept& r) {
    SheetNames n;
    n.national = classification::NationalName(c, r.National);
    n.cls = classification::ClassSheetName(r.Class);
    // Code 1 is the catch-all sub-class of every class, whatever its file calls it.
    n.podClass = r.PodClass == classification::kPodClassOther
                     ? classification::PodClassOtherName()
                     : classification::PodClassName(c, r.Class, r.PodClass);
    n.osoboe = classification::OsoboeName(c, r.Osoboe);
    return n;
}

const std::string& SheetHead() {
    return Markup().head;
}
const std::string& SheetTail() {
    return Markup().tail;
}

void WriteReceptBlock(std::string& out, const classification::Classification& c,
                      const base::TRecept& r) {
    const Pieces& p = Markup();
    const SheetNames names = SheetNamesOf(c, r);
    out.reserve(out.size() + EstimatedBlockSize(r));

    out += p.beforeName;
    AppendHtmlEscaped(out, r.Name);
    out += p.beforeNational;
    AppendHtmlEscaped(out, names.national);
    out += p.beforeClass;
    AppendHtmlEscaped(out, names.cls);
    out += p.beforePodClass;
    AppendHtmlEscaped(out, names.podClass);
    out += p.beforeOsoboe;
    AppendHtmlEscaped(out, names.osoboe);
    out += p.beforeIngridients;
    AppendLines(out, r.Ingridient);
    out += p.beforeText;
    AppendLines(out, r.Text);
    out += p.afterText;
}

std::string WriteSheet(const classification::Classification& c,
                       std::span<const base::TRecept* const> recepts) {
    std::string out = SheetHead();
    for (const base::TRecept* r : recepts) {
        if (r != nullptr) {
            WriteReceptBlock(out, c, *r);
        }
    }
    out += SheetTail();
    return out;
}

std::string WriteSheet(const classification::Classification& c, const base::ReceptStore& store,
                       std::span<const int32_t> ids) {
    std::vector<const base::TRecept*> recepts;
    recepts.reserve(ids.size());
    for (const int32_t id : ids) {
        if (id >= 0 && id < store.ReceptCount()) {
            recepts.push_back(&store.Recept(id));
        }
    }
    return WriteSheet(c, recepts);
}

} // namespace timyanka::print
