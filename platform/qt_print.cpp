#include "platform/qt_print.h"

#include "text/cp1251.h"

#include <QFile>
#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

#include <string_view>

namespace timyanka::platform {
namespace {

// The print job's name in the printer queue and the PDF's title: the sheet's own title.
void NameJob(QPrinter& printer, const QTextDocument& document) {
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    if (!title.isEmpty()) {
        printer.setDocName(title);
    }
}

} // namespace

std::optional<QString> ReadSheet(const QString& sheetPath) {
    QFile file(sheetPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    // The sheet is always Windows-1251; its meta tag is for browsers and is not trusted here.
    const std::string utf8 =
        text::Cp1251ToUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::unique_ptr<QTextDocument> SheetDocument(const QString& html) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    return document;
}

bool RenderSheet(const QString& sheetPath, QPrinter& printer) {
    const std::optional<QString> html = ReadSheet(sheetPath);
    if (!html) {
        return false;
    }
    const std::unique_ptr<QTextDocument> document = SheetDocument(*html);
    NameJob(printer, *document);
    document->print(&printer);
    return printer.printerState() != QPrinter::Error;
}

bool PreviewSheet(QWidget* parent, const QString& sheetPath) {
    const std::optional<QString> html = ReadSheet(sheetPath);
    if (!html) {
        return false;
    }
    const std::unique_ptr<QTextDocument> document = SheetDocument(*html);
    QPrinter printer;
    NameJob(printer, *document);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    // The preview asks again whenever the page setup changes; each time the same document
    // is laid out anew on the printer's current page.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { document->print(target); });
    preview.exec();
    return true;
}

} // namespace timyanka::platform
