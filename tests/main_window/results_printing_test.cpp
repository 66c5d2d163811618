#include "main_window/logic/results_printout.h"
#include "main_window/report/results_printing.h"
#include "tests/main_window/report_widgets_support.h"
#include "tests/support/pdf_text.h"
#include "ui_frame/pop_up.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString kTitle = QStringLiteral("Orvanta Sample Course");

int pageCount(const QString& path) {
    return static_cast<int>(pdfText(path).count(u'\f'));
}

// Records what the pupil was told and answers with `answer`.
struct Pupil {
    bool answer = true;
    QStringList messages;
    PupilMessage tell() {
        return [this](const QString& title, const QString& message, int buttons) {
            messages.append(QStringLiteral("%1|%2|%3").arg(title, message).arg(buttons));
            return answer;
        };
    }
};

class ResultsPrintingTest : public testing::Test {
protected:
    ResultsPrintingTest() {
        home.mark(1, "85", {}, "0:7:5", "30 Dec 2005");
        home.mark(2, "66.7", "100", "1:0:12", "2 Jan 2006");
        home.mark(7, "40", {}, "0:20:0", "3 Jan 2006");
    }

    // A printer with no printer installed, whatever the machine has.
    ResultsPrinter printerWithoutPrinter() {
        ResultsPrinter printer(pupil.tell(), dialogs());
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName({});
        return printer;
    }

    PrintDialogs dialogs() {
        return {[this](QPrinter& printer, QWidget*) {
                    ++setUpShown;
                    if (!setUpChoice.isEmpty())
                        printer.setOutputFileName(setUpChoice);
                    return !setUpChoice.isEmpty();
                },
                [this](QWidget*, const QString& suggested) {
                    suggestions.append(suggested);
                    return chosenFile;
                }};
    }

    QString file(const char* name) const { return out.filePath(QString::fromLatin1(name)); }

    FixtureHome home;
    QTemporaryDir out;
    Pupil pupil;
    QString chosenFile;
    QString setUpChoice;
    int setUpShown = 0;
    QStringList suggestions;
};

// The save dialog opens where the name it is given lies: the pupil's
// documents folder when there is one, else the home folder (never the
// program's working folder, where a folder that does not exist would leave
// the dialog).
class PdfFolderTest : public testing::TestWithParam<bool> {
protected:
    PdfFolderTest()
        : savedHome_(qgetenv("HOME"))
        , savedConfig_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
    }
    ~PdfFolderTest() override {
        qputenv("HOME", savedHome_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    QTemporaryDir home_;
    QByteArray savedHome_;
    QByteArray savedConfig_;
};

TEST_P(PdfFolderTest, theDialogProposesAFolderThatExists) {
    const bool withDocuments = GetParam();
    const QString documents = home_.path() + "/Documents";
    if (withDocuments) {
        ASSERT_TRUE(QDir().mkpath(documents));
    }
    FixtureHome course;
    const QString suggested = ResultsPrinter::suggestedPdfPath(course.subject());
    const QFileInfo file(suggested);
    EXPECT_EQ(file.fileName(), "English results.pdf");
    EXPECT_EQ(file.absolutePath(), withDocuments ? documents : home_.path());
    EXPECT_TRUE(file.dir().exists());
}

INSTANTIATE_TEST_SUITE_P(Homes, PdfFolderTest, testing::Bool(), [](const auto& info) {
    return info.param ? std::string("with_documents") : std::string("without_documents");
});

TEST_F(ResultsPrintingTest, withoutPrinterSavesThePrintoutAsPdfLineForLine) {
    chosenFile = file("English");
    ResultsPrinter printer = printerWithoutPrinter();

    EXPECT_EQ(printer.PrintResults(kTitle, home.subject()), ResultsPrinter::Outcome::SavedAsPdf);

    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions.first().endsWith("/English results.pdf"));
    EXPECT_EQ(pupil.messages, (QStringList{"Print|" + print_text::kNoPrinter + "|2",
                                           "Print|The results were saved as English.pdf.|1"}));
    const QString pdf = file("English.pdf");
    ASSERT_TRUE(QFile::exists(pdf)) << "\".pdf\" is added to a name without it";
    const QStringList expected = printedLines(ResultsPrintoutLines(kTitle, home.subject()));
    const QStringList printed = pdfLines(pdf);
    EXPECT_EQ(printed, expected);
    // The whole rule fits across the page: the font was fitted to the widest line.
    EXPECT_TRUE(printed.contains(QString(kPrintRuleLength, u'-')));
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_TRUE(hasNoOutput(printer.printer())) << "the next Print asks again";
}

TEST_F(ResultsPrintingTest, withoutPrinterTheOfferCanBeDeclined) {
    struct Case {
        const char* name;
        bool acceptOffer;
        const char* chosen;
        int fileDialogs;
    };
    for (const Case& c : {Case{"offer_declined", false, "declined.pdf", 0},
                          Case{"file_dialog_cancelled", true, "", 1}}) {
        SCOPED_TRACE(c.name);
        pupil = Pupil{c.acceptOffer, {}};
        suggestions.clear();
        chosenFile = QString::fromLatin1(c.chosen).isEmpty() ? QString() : file(c.chosen);
        ResultsPrinter printer = printerWithoutPrinter();

        EXPECT_EQ(printer.PrintResults(kTitle, home.subject()),
                  ResultsPrinter::Outcome::NotPrinted);
        EXPECT_EQ(pupil.messages.size(), 1);
        EXPECT_EQ(suggestions.size(), c.fileDialogs);
        EXPECT_TRUE(QDir(out.path()).isEmpty()) << "no file written";
    }
}

TEST_F(ResultsPrintingTest, fileThatCannotBeWrittenIsToldToThePupil) {
    chosenFile = out.filePath(QStringLiteral("no such folder/results.pdf"));
    ResultsPrinter printer = printerWithoutPrinter();

    EXPECT_EQ(printer.PrintResults(kTitle, home.subject()), ResultsPrinter::Outcome::Failed);

    ASSERT_EQ(pupil.messages.size(), 2);
    EXPECT_EQ(pupil.messages.last(), "Print|The results could not be saved as results.pdf.|1");
}

TEST_F(ResultsPrintingTest, setUpChoiceIsWhatPrintUses) {
    ResultsPrinter printer = printerWithoutPrinter();

    // Cancelling the set-up changes nothing.
    EXPECT_FALSE(printer.PrintSetup());
    EXPECT_TRUE(hasNoOutput(printer.printer()));

    // A folder for a file name is still nowhere to print to.
    setUpChoice = out.path() + u'/';
    EXPECT_TRUE(printer.PrintSetup());
    EXPECT_TRUE(hasNoOutput(printer.printer()));

    setUpChoice = file("chosen.pdf");
    EXPECT_TRUE(printer.PrintSetup());
    EXPECT_EQ(setUpShown, 3);

    EXPECT_EQ(printer.PrintResults(kTitle, home.subject()), ResultsPrinter::Outcome::SavedAsPdf);
    EXPECT_TRUE(suggestions.isEmpty()) << "no file dialog: the set-up chose the file";
    EXPECT_EQ(pupil.messages, QStringList{"Print|The results were saved as chosen.pdf.|1"});
    EXPECT_EQ(pdfLines(setUpChoice), printedLines(ResultsPrintoutLines(kTitle, home.subject())));
}

TEST_F(ResultsPrintingTest, pupilIsAskedThroughThePopUp) {
    PopUpAnswer PopUpResponse;
    PopUpChannel channel(home.skin(), PopUpResponse);
    channel.setNextAnswer(false);
    ResultsPrinter printer(popUpMessages(channel, nullptr), dialogs());
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName({});

    EXPECT_EQ(printer.PrintResults(kTitle, home.subject()), ResultsPrinter::Outcome::NotPrinted);

    EXPECT_EQ(channel.lastTitle(), "Print");
    EXPECT_EQ(channel.lastMessage(), print_text::kNoPrinter);
    EXPECT_EQ(channel.lastButtonCount(), 2);
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "False");
}

TEST_F(ResultsPrintingTest, longPrintoutRunsOnOverSeveralPages) {
    QStringList lines;
    for (int i = 1; i <= 250; ++i)
        lines.append(PrintZoneLine({" ", QStringLiteral("Line %1").arg(i)}));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file("long.pdf"));

    EXPECT_EQ(PrintTextLines(pdf, lines, kPrintZoneWidth + kPrintRuleLength), QString());

    EXPECT_GE(pageCount(file("long.pdf")), 2);
    EXPECT_EQ(pdfLines(file("long.pdf")), printedLines(lines)) << "no line lost at a page break";
}

} // namespace
