// Printing the sheet: its layout into a PDF file, read back with poppler's pdftotext, and the
// preview that the print verb shows.
#include "platform/qt_platform.h"
#include "platform/qt_print.h"
#include "print/sheet.h"
#include "tests/core/test_util.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace timyanka::platform {
namespace {

using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

// Cuisine 3 "Французская", feature 2 "Вегетарианское", sub-class 4 "Из яиц" of the main
// dishes (class 6).
classification::Classification SmallClassification() {
    classification::Classification c;
    c.Nationals[0].Code = 3;
    c.Nationals[0].Name = W("Французская");
    c.NationalCount = 1;
    c.Osobye[0] = {2, W("Вегетарианское")};
    c.OsoboeCount = 1;
    c.Classes[6].PodClass[0] = {4, W("Из яиц")};
    c.Classes[6].PodCount = 1;
    c.ClassCount = classification::kBuiltInClassCount;
    return c;
}

base::TRecept Recipe(const char* name, std::vector<const char*> ingridients,
                     std::vector<const char*> lines) {
    base::TRecept r;
    r.Name = W(name);
    r.National = 3;
    r.Class = 6;
    r.PodClass = 4;
    r.Osoboe = 2;
    for (const char* line : ingridients) {
        r.Ingridient.push_back(W(line));
    }
    for (const char* line : lines) {
        r.Text.push_back(W(line));
    }
    return r;
}

base::TRecept Omelette() {
    return Recipe("Омлет по-французски", {"2 яйца", "50 мл молока", "соль & перец <по вкусу>"},
                  {"Взбить яйца с молоком.", "Жарить под крышкой 5 минут."});
}

std::string SheetOf(const std::vector<base::TRecept>& recepts) {
    std::vector<const base::TRecept*> pointers;
    for (const base::TRecept& r : recepts) {
        pointers.push_back(&r);
    }
    return print::WriteSheet(SmallClassification(), pointers);
}

// Each printed sheet goes through the real layout into a PDF, whose text pdftotext reads
// back, pages separated by form feeds.
class SheetPdf : public ::testing::Test {
protected:
    void SetUp() override {
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext_.isEmpty()) {
            GTEST_SKIP() << "pdftotext is missing: install the Debian package poppler-utils";
        }
    }

    // The PDF's text, or an empty text when the sheet was not rendered.
    QString Printed(const std::string& sheetBytes) {
        const std::string sheet = dir_.file("Print.htm");
        WriteBytes(sheet, sheetBytes);
        const QString pdf = Q(dir_.file("sheet.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        if (!RenderSheet(Q(sheet), printer)) {
            ADD_FAILURE() << "the sheet was not rendered";
            return {};
        }
        QProcess tool;
        tool.start(pdftotext_,
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
            ADD_FAILURE() << "pdftotext failed: " << tool.readAllStandardError().toStdString();
            return {};
        }
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    TempDir dir_;
    QString pdftotext_;
};

// Each of `texts` occurs in `printed`, each after the one before it.
void ExpectInOrder(const QString& printed, const std::vector<const char*>& texts) {
    qsizetype from = 0;
    for (const char* text : texts) {
        const qsizetype at = printed.indexOf(Q(text), from);
        EXPECT_GE(at, 0) << "missing or out of order: " << text << "\nin:\n"
                         << printed.toStdString();
        if (at >= 0) {
            from = at + Q(text).size();
        }
    }
}

TEST_F(SheetPdf, ShowsTheRecipeWithItsClassificationAndLinesInCyrillic) {
    const QString printed = Printed(SheetOf({Omelette()}));
    ExpectInOrder(printed,
                  {"Омлет по-французски", "Кухня:", "Французская", "Класс:", "Основные блюда",
                   "Подкласс:", "Из яиц", "Особенность:", "Вегетарианское",
                   "ИНГРЕДИЕНТЫ:", "2 яйца", "50 мл молока", "соль & перец <по вкусу>",
                   "РЕЦЕПТ:", "Взбить яйца с молоком.", "Жарить под крышкой 5 минут."});
}

TEST_F(SheetPdf, PrintsTheRecipesOfASheetOneAfterAnother) {
    const QString printed = Printed(SheetOf({Recipe("Борщ", {"свёкла"}, {"Варить."}), Omelette(),
                                             Recipe("Щи", {"капуста"}, {"Томить в печи."})}));
    ExpectInOrder(printed, {"Борщ", "свёкла", "Варить.", "Омлет по-французски", "2 яйца", "Щи",
                            "капуста", "Томить в печи."});
}

TEST_F(SheetPdf, ALongRecipeRunsOnToFurtherPagesWithNoLineLost) {
    base::TRecept r = Recipe("Пирог на всю семью", {"мука"}, {});
    std::vector<std::string> steps;
    for (int i = 1; i <= 150; ++i) {
        steps.push_back("Шаг " + std::to_string(i) + ".");
        r.Text.push_back(W(steps.back().c_str()));
    }
    const QString printed = Printed(SheetOf({r}));
    EXPECT_GE(printed.count(QLatin1Char('\f')), 2) << "pages";
    std::vector<const char*> expected = {"Пирог на всю семью", "мука"};
    for (const std::string& step : steps) {
        expected.push_back(step.c_str());
    }
    ExpectInOrder(printed, expected);
}

TEST(ReadSheet, DecodesWindows1251WhateverTheMetaTagClaims) {
    struct Case {
        const char* name;
        const char* head;
    } cases[] = {
        {"no content type", "<html><head><meta http-equiv=Содержимое-Тип "
                            "content=text/html; charset=windows-1251></head>"},
        {"utf-8 claimed", "<html><head><meta charset=utf-8></head>"},
        {"no meta", "<html><head></head>"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string body = std::string(c.head) + "<body>Ёжик в тумане, № 5 — «Щи»</body>";
        WriteBytes(dir.file("Print.htm"), W(body.c_str()));
        EXPECT_EQ(ReadSheet(Q(dir.file("Print.htm"))), Q(body.c_str())) << c.name;
    }
}

TEST(RenderSheet, RendersNothingFromASheetItCannotRead) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    for (const char* name : {"missing.htm", "folder"}) {
        const QString pdf = Q(dir.file("out.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_FALSE(RenderSheet(Q(dir.file(name)), printer)) << name;
        EXPECT_FALSE(QFileInfo::exists(pdf)) << name;
        EXPECT_EQ(ReadSheet(Q(dir.file(name))), std::nullopt) << name;
    }
}

TEST(RenderSheet, FailsWhenThePrinterCannotStart) {
    TempDir dir;
    WriteBytes(dir.file("Print.htm"), SheetOf({Omelette()}));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(dir.file("no-such-folder/sheet.pdf")));
    EXPECT_FALSE(RenderSheet(Q(dir.file("Print.htm")), printer));
}

TEST(QtPlatformPrint, ThePrintVerbShowsTheSheetsPagesInAModalPreview) {
    TempDir dir;
    WriteBytes(dir.file("Print.htm"), SheetOf({Omelette()}));
    bool previewShown = false;
    int pages = 0;
    // Runs inside the preview's own event loop, once it is on screen.
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            return;
        }
        previewShown = true;
        if (const auto* pagesView = preview->findChild<QPrintPreviewWidget*>()) {
            pages = pagesView->pageCount();
        }
        preview->reject();
    });
    QtPlatform platform;
    EXPECT_TRUE(platform.ShellExecute(Q("print"), Q(dir.file("Print.htm"))));
    EXPECT_TRUE(previewShown);
    EXPECT_EQ(pages, 1);
}

TEST(QtPlatformPrint, ThePrintVerbShowsNothingForASheetItCannotRead) {
    TempDir dir;
    bool dialogShown = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    timer.start(0);
    QtPlatform platform;
    EXPECT_FALSE(platform.ShellExecute(Q("print"), Q(dir.file("Print.htm"))));
    QApplication::processEvents();
    EXPECT_FALSE(dialogShown);
}

} // namespace
} // namespace timyanka::platform
