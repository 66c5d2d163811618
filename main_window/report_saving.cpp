#include "report_saving.h"

#include "main_window/page_style.h"
#include "main_window/report_document.h"
#include "main_window/report_export.h"
#include "ui_frame/ui_font.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace orvanta {

namespace {

constexpr int kButtonHeight = 22;
constexpr int kBottomMargin = 6;

} // namespace

SaveFileDialog systemSaveFileDialog() {
    return [](QWidget* parent, const QString& title, const QString& suggestedPath,
              const QString& filter) {
        return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
    };
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

ReportSaver::ReportSaver(PupilMessage tell, SaveFileDialog chooseFile,
                         std::shared_ptr<const Clock> clock, QWidget* owner)
    : tell_(std::move(tell))
    , chooseFile_(std::move(chooseFile))
    , clock_(std::move(clock))
    , owner_(owner) {}

QString ReportSaver::chosenPath(const QString& title, const QString& name, const QString& filter,
                                const QString& suffix) {
    QString path = chooseFile_(owner_, title, QDir(DocumentsFolder()).filePath(name), filter);
    // The dialog leaves the name as typed; the file keeps its kind's suffix.
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += u'.' + suffix;
    return path;
}

ReportSaver::Outcome ReportSaver::finish(bool written, const QString& title, const QString& what,
                                         const QString& was, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!written) {
        tell_(title,
              QStringLiteral("%1 could not be saved as %2. Please choose another folder.")
                  .arg(what, name),
              1);
        return Outcome::Failed;
    }
    tell_(title, QStringLiteral("%1 %2 saved as %3.").arg(what, was, name), 1);
    return Outcome::Saved;
}

ReportSaver::Outcome ReportSaver::SaveReportPdf(const QString& courseTitle,
                                                const SubjectData& subject,
                                                const QString& trendLine) {
    const QDate today = clock_->now().date();
    const QString path = chosenPath(save_text::kReportTitle, ReportPdfName(subject.name, today),
                                    QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return Outcome::Cancelled;
    // Written beside the target and put in its place whole, so that a failed
    // write never leaves half a file or spoils an older one.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         WriteReportPdf(file, {courseTitle, subject, trendLine, today}) &&
                         file.commit();
    return finish(written, save_text::kReportTitle, QStringLiteral("The report"),
                  QStringLiteral("was"), path);
}

ReportSaver::Outcome ReportSaver::SaveResultsCsv(const SubjectData& subject) {
    const QString path =
        chosenPath(save_text::kResultsTitle, ResultsCsvName(subject.name, clock_->now().date()),
                   QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return Outcome::Cancelled;
    QSaveFile file(path);
    const QByteArray bytes = ResultsCsv(subject);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    return finish(written, save_text::kResultsTitle, QStringLiteral("The results"),
                  QStringLiteral("were"), path);
}

ReportSaveButtons::ReportSaveButtons(QWidget* panel)
    : QWidget(panel) {
    setObjectName(QStringLiteral("ReportSaveButtons"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    const QString style =
        QStringLiteral("QPushButton { color: rgb(%1, %2, %3); background: rgb(221, 233, 249);"
                       " border: 1px solid rgb(%4, %5, %6); border-radius: 4px; padding: 0 8px; }"
                       " QPushButton:hover { background: rgb(236, 243, 252); }"
                       " QPushButton:pressed { background: rgb(200, 218, 243); }")
            .arg(page_style::kInk.red())
            .arg(page_style::kInk.green())
            .arg(page_style::kInk.blue())
            .arg(page_style::kBoxEdge.red())
            .arg(page_style::kBoxEdge.green())
            .arg(page_style::kBoxEdge.blue());
    auto makeButton = [&](const QString& name, const QString& caption, const QString& tip) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setFont(uiFont(8, true));
        button->setFixedHeight(kButtonHeight);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(tip);
        button->setStyleSheet(style);
        row->addWidget(button);
        return button;
    };
    saveReport_ = makeButton(QStringLiteral("cmdSaveReport"), save_text::kSaveReport,
                             QStringLiteral("Save this report as a one-page PDF file"));
    saveResults_ = makeButton(QStringLiteral("cmdSaveResults"), save_text::kSaveResults,
                              QStringLiteral("Save every marked paper as a spreadsheet file"));
    connect(saveReport_, &QPushButton::clicked, this, &ReportSaveButtons::saveReportClicked);
    connect(saveResults_, &QPushButton::clicked, this, &ReportSaveButtons::saveResultsClicked);
    panel->installEventFilter(this);
    place();
}

void ReportSaveButtons::place() {
    const QWidget* panel = parentWidget();
    adjustSize();
    const QSize wanted = sizeHint();
    move((panel->width() - wanted.width()) / 2, panel->height() - wanted.height() - kBottomMargin);
    resize(wanted);
    raise();
}

bool ReportSaveButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

} // namespace orvanta
