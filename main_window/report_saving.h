#pragma once

#include "main_window/results_printing.h"
#include "main_window/subject_data.h"
#include "marking/clock.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QPushButton;

// Saving what the Report page shows for a parent to keep: the report as a
// one-page PDF file (report_document.h) and the results as a CSV file for a
// spreadsheet (report_export.h), each where the pupil chooses, the documents
// folder proposed.
namespace orvanta {

// Texts of saving.
namespace save_text {
inline const QString kSaveReport = QStringLiteral("Save report as PDF");
inline const QString kSaveResults = QStringLiteral("Save results as CSV");
inline const QString kReportTitle = QStringLiteral("Save Report");
inline const QString kResultsTitle = QStringLiteral("Save Results");
} // namespace save_text

// Where to save a file: `title` over the dialog, starting at `suggestedPath`,
// offering `filter`; empty when the pupil cancelled. Tests replace it.
using SaveFileDialog = std::function<QString(QWidget* parent, const QString& title,
                                             const QString& suggestedPath, const QString& filter)>;

// The platform's save-file dialog.
SaveFileDialog systemSaveFileDialog();

// The pupil's documents folder, or the home folder where there is none.
QString DocumentsFolder();

class ReportSaver {
public:
    enum class Outcome {
        Saved,     // written whole; the pupil was told where
        Cancelled, // the pupil chose no file; nothing was written
        Failed,    // the file could not be written (an older file of that name is kept);
                   // the pupil was told
    };

    // `tell` speaks to the pupil; `clock` dates the report and names the
    // files; `owner` is the parent of the dialogs, may be null.
    ReportSaver(PupilMessage tell, SaveFileDialog chooseFile = systemSaveFileDialog(),
                std::shared_ptr<const Clock> clock = std::make_shared<SystemClock>(),
                QWidget* owner = nullptr);

    void setChooseFile(SaveFileDialog chooseFile) { chooseFile_ = std::move(chooseFile); }
    void setClock(std::shared_ptr<const Clock> clock) { clock_ = std::move(clock); }

    // Proposes "<Subject> report <date>.pdf" in the documents folder and
    // writes the report of `subject` (course title, today's date, the
    // figures, the trend of `trendLine`) there.
    Outcome SaveReportPdf(const QString& courseTitle, const SubjectData& subject,
                          const QString& trendLine);
    // Proposes "<Subject> results <date>.csv" and writes ResultsCsv there.
    Outcome SaveResultsCsv(const SubjectData& subject);

private:
    QString chosenPath(const QString& title, const QString& name, const QString& filter,
                       const QString& suffix);
    // Tells the pupil that `what` ("The report") `was` saved, or could not be.
    Outcome finish(bool written, const QString& title, const QString& what, const QString& was,
                   const QString& path);

    PupilMessage tell_;
    SaveFileDialog chooseFile_;
    std::shared_ptr<const Clock> clock_;
    QWidget* owner_;
};

// The two commands on the Report page's Overall Results panel: a row of
// buttons at the panel's bottom, in free space under the figures, kept there
// as the panel changes size. `panel` owns the row.
class ReportSaveButtons : public QWidget {
    Q_OBJECT
public:
    explicit ReportSaveButtons(QWidget* panel);

    QPushButton* saveReport() const { return saveReport_; }
    QPushButton* saveResults() const { return saveResults_; }

signals:
    void saveReportClicked();
    void saveResultsClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QPushButton* saveReport_;
    QPushButton* saveResults_;
};

} // namespace orvanta
