#include "results_printing.h"

#include "main_window/logic/results_printout.h"
#include "ui_frame/pop_up.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>

namespace orvanta {

namespace {

constexpr double kLargestPointSize = 11.0;

QString savedMessage(const QString& path) {
    return QStringLiteral("The results were saved as %1.").arg(QFileInfo(path).fileName());
}

QString fileFailedMessage(const QString& path) {
    return QStringLiteral("The results could not be saved as %1.").arg(QFileInfo(path).fileName());
}

QString printerFailedMessage(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return fileFailedMessage(printer.outputFileName());
    return QStringLiteral("The printer could not be started. Please check it and try again.");
}

QString docName(const SubjectData& subject) {
    return subject.name + QStringLiteral(" results");
}

const QString kPrinterError =
    QStringLiteral("The printer reported an error. The results may not have been printed.");

QFont printoutFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    return font;
}

// The printout font at the largest size whose `columns` characters fit in
// `width` device pixels of `device`.
QFont fittedFont(QPaintDevice* device, int width, int columns) {
    QFont font = printoutFont();
    font.setPointSizeF(10.0);
    const double advance = QFontMetricsF(font, device).horizontalAdvance(u'M');
    double size = advance > 0 ? 10.0 * width / (advance * std::max(columns, 1)) : 10.0;
    size = std::min(size, kLargestPointSize);
    // Font sizes are not continuous; step down until the widest line fits.
    for (int attempt = 0; attempt < 20; ++attempt) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font, device).horizontalAdvance(QString(columns, u'M')) <= width)
            break;
        size *= 0.98;
    }
    return font;
}

QString askPdfFileName(QWidget* parent, const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(parent, print_text::kSaveDialogTitle, suggestedPath,
                                        QStringLiteral("PDF files (*.pdf)"));
}

// The pupil's documents folder, or the home folder where there is none: a
// save dialog given a name in a folder that does not exist opens in the
// program's working folder instead.
QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

bool showPrinterSetUp(QPrinter& printer, QWidget* parent) {
    // Without a printer the dialog's only choice is a PDF file; it would
    // otherwise offer a bare folder as that file's name.
    const bool noOutput = hasNoOutput(printer);
    if (noOutput)
        printer.setOutputFileName(pdfFolder() + QStringLiteral("/Orvanta results.pdf"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(print_text::kSetupDialogTitle);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    // The dialog only chooses the printer here; printing is the Print command's.
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (!accepted && noOutput)
        printer.setOutputFileName({});
    return accepted;
}

} // namespace

PupilMessage popUpMessages(PopUpChannel& channel, QWidget* owner) {
    return [&channel, owner](const QString& title, const QString& message, int buttonCount) {
        return channel.ask(title, message, buttonCount, owner);
    };
}

PrintDialogs systemPrintDialogs() {
    return {showPrinterSetUp, askPdfFileName};
}

bool hasNoOutput(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return false;
    const QString file = printer.outputFileName();
    return file.isEmpty() || file.endsWith(u'/') || QFileInfo(file).isDir();
}

QString PrintTextLines(QPrinter& printer, const QStringList& lines, int columns) {
    QPainter painter;
    if (!painter.begin(&printer))
        return printerFailedMessage(printer);

    const int pageWidth = printer.width();
    const int pageHeight = printer.height();
    const QFont font = fittedFont(&printer, pageWidth, columns);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &printer);
    const double lineHeight = metrics.lineSpacing();

    double top = 0.0;
    for (const QString& line : lines) {
        if (top + lineHeight > pageHeight && top > 0.0) {
            if (!printer.newPage()) {
                painter.end();
                return kPrinterError;
            }
            top = 0.0;
        }
        if (!line.isEmpty())
            painter.drawText(QPointF(0.0, top + metrics.ascent()), line);
        top += lineHeight;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return kPrinterError;
    return {};
}

ResultsPrinter::ResultsPrinter(PupilMessage tell, PrintDialogs dialogs, QWidget* owner)
    : tell_(std::move(tell))
    , dialogs_(std::move(dialogs))
    , owner_(owner) {}

QPrinter& ResultsPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setCreator(QStringLiteral("Orvanta Practice"));
    }
    return *printer_;
}

ResultsPrinter::~ResultsPrinter() = default;
ResultsPrinter::ResultsPrinter(ResultsPrinter&&) noexcept = default;
ResultsPrinter& ResultsPrinter::operator=(ResultsPrinter&&) noexcept = default;

QString ResultsPrinter::suggestedPdfPath(const SubjectData& subject) {
    return pdfFolder() + u'/' + subject.name + QStringLiteral(" results.pdf");
}

ResultsPrinter::Outcome ResultsPrinter::PrintResults(const QString& courseTitle,
                                                     const SubjectData& subject) {
    const QStringList lines = ResultsPrintoutLines(courseTitle, subject);
    const int columns = PrintoutColumns(lines);

    if (hasNoOutput(printer())) {
        if (!tell_(print_text::kTitle, print_text::kNoPrinter, 2))
            return Outcome::NotPrinted;
        QString path = dialogs_.choosePdfFile(owner_, suggestedPdfPath(subject));
        if (path.isEmpty())
            return Outcome::NotPrinted;
        if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
            path += QStringLiteral(".pdf");
        const QString problem = printToChosenFile(lines, columns, path, docName(subject));
        tell_(print_text::kTitle, problem.isEmpty() ? savedMessage(path) : problem, 1);
        return problem.isEmpty() ? Outcome::SavedAsPdf : Outcome::Failed;
    }

    printer().setDocName(docName(subject));
    const QString problem = PrintTextLines(printer(), lines, columns);
    if (!problem.isEmpty()) {
        tell_(print_text::kTitle, problem, 1);
        return Outcome::Failed;
    }
    if (printer().outputFormat() == QPrinter::PdfFormat) {
        // The set-up chose a file; nothing shows that it was written but this.
        tell_(print_text::kTitle, savedMessage(printer().outputFileName()), 1);
        return Outcome::SavedAsPdf;
    }
    return Outcome::Printed;
}

QString ResultsPrinter::printToChosenFile(const QStringList& lines, int columns,
                                          const QString& path, const QString& docName) {
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(path);
    file.setPageLayout(printer().pageLayout());
    file.setDocName(docName);
    file.setCreator(printer().creator());
    return PrintTextLines(file, lines, columns);
}

bool ResultsPrinter::PrintSetup() {
    return dialogs_.setUpPrinter(printer(), owner_);
}

} // namespace orvanta
