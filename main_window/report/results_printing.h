#pragma once

#include "main_window/logic/subject_data.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Printing a subject's results (the Print command) and choosing the printer
// (the Setup command). The text of the printout comes from
// ResultsPrintoutLines (results_printout.h); here it is put on paper.
namespace orvanta {

class PopUpChannel;

// Texts of the printing messages.
namespace print_text {
inline const QString kTitle = QStringLiteral("Print");
inline const QString kNoPrinter =
    QStringLiteral("No printer is installed. Save the results as a PDF file instead?");
inline const QString kSaveDialogTitle = QStringLiteral("Save Results as PDF");
inline const QString kSetupDialogTitle = QStringLiteral("Printer Setup");
} // namespace print_text

// How printing speaks to the pupil: shows `message` under `title` with one
// button ("OK") or two ("Yes", "No") and returns true for the first.
using PupilMessage =
    std::function<bool(const QString& title, const QString& message, int buttonCount)>;

// The program's pop-up over `owner` as the printing's messages.
PupilMessage popUpMessages(PopUpChannel& channel, QWidget* owner);

// The dialogs printing shows. Tests replace them so that nothing blocks.
struct PrintDialogs {
    // The printer set-up for `printer`: true when the pupil accepted, and
    // the printer then holds the choice; false leaves it unchanged.
    std::function<bool(QPrinter& printer, QWidget* parent)> setUpPrinter;
    // Where to save a PDF file, starting from `suggestedPath`; empty when
    // the pupil cancelled.
    std::function<QString(QWidget* parent, const QString& suggestedPath)> choosePdfFile;
};

// The platform's print dialog (with its "print to a PDF file" choice, which
// is all there is where no printer is installed; the file is then proposed
// as "Orvanta results.pdf" in the documents folder, or the home folder where
// there is none) and its save-file dialog.
PrintDialogs systemPrintDialogs();

// Puts `lines` on `printer` as one document in Liberation Mono (any
// fixed-pitch font where it is missing), one line per printed line, the
// font sized so that `columns` characters fill the printable width (never
// above 11 points), with a new page whenever a page is full. No page heading
// or number. Returns an empty text when the document was printed, else what
// went wrong, for the pupil.
QString PrintTextLines(QPrinter& printer, const QStringList& lines, int columns);

// True when `printer` has nowhere to print to: no printer installed and no
// PDF file chosen (an empty name or a folder).
bool hasNoOutput(const QPrinter& printer);

// The printer the Setup command chooses and the Print command uses. The main
// window owns one for the program's life, so the choice is kept between
// commands.
class ResultsPrinter {
public:
    enum class Outcome {
        Printed,    // sent to the printer
        SavedAsPdf, // written to a PDF file (the set-up's choice or the pupil's)
        NotPrinted, // the pupil declined to save a PDF file instead, or cancelled
        Failed,     // the printer or the file failed; the pupil was told
    };

    // `owner` is the parent of the dialogs (the main window), may be null.
    ResultsPrinter(PupilMessage tell, PrintDialogs dialogs = systemPrintDialogs(),
                   QWidget* owner = nullptr);
    ~ResultsPrinter();
    ResultsPrinter(ResultsPrinter&&) noexcept;
    ResultsPrinter& operator=(ResultsPrinter&&) noexcept;

    // The printer the commands print to, made at its first use: asking the
    // system for its printers takes a while, which the start-up need not wait for.
    QPrinter& printer();

    // The Print command: prints ResultsPrintoutLines(courseTitle, subject).
    // Without a printer the pupil is told and offered to save the results as
    // a PDF file (the printer itself is left as it is, so the next Print asks
    // again). A result saved as PDF is confirmed; failures are told.
    Outcome PrintResults(const QString& courseTitle, const SubjectData& subject);

    // The Setup command: the printer set-up dialog; cancelling changes
    // nothing and is not an error. True when the pupil accepted.
    bool PrintSetup();

    // Where the save dialog starts: "<subject> results.pdf" in the pupil's
    // documents folder, or in the home folder where there is none.
    static QString suggestedPdfPath(const SubjectData& subject);

private:
    QString printToChosenFile(const QStringList& lines, int columns, const QString& path,
                              const QString& docName);

    PupilMessage tell_;
    PrintDialogs dialogs_;
    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace orvanta
