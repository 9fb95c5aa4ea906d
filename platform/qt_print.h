// Printing the recipe sheet: the sheet file is laid out by Qt's rich-text engine and shown in
// a print preview, so the user sees the pages before choosing a printer or a PDF file.
#pragma once

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace timyanka::platform {

// The sheet's markup as text: the file's Windows-1251 bytes decoded, whatever charset its
// markup claims. Nothing when the file cannot be read.
std::optional<QString> ReadSheet(const QString& sheetPath);

// The sheet laid out as a rich-text document, ready to be printed on any printer.
std::unique_ptr<QTextDocument> SheetDocument(const QString& html);

// Prints the sheet file on `printer` (a real printer or a PDF file) without asking anything.
// False when the sheet cannot be read or the printer cannot be started.
bool RenderSheet(const QString& sheetPath, QPrinter& printer);

// Shows the sheet in a modal print preview over `parent`; its print button opens the
// system's print dialog. Closing the preview prints nothing. False when the sheet cannot be
// read; nothing is shown then.
bool PreviewSheet(QWidget* parent, const QString& sheetPath);

} // namespace timyanka::platform
