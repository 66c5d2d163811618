#include "main_window/report_export.h"
#include "tests/main_window/contents_test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct TextRow {
    const char* name;
    const char* text;
    const char* expected;
};

class CsvFieldTest : public testing::TestWithParam<TextRow> {};

TEST_P(CsvFieldTest, quotesWhatASpreadsheetWouldSplitOrTrim) {
    EXPECT_EQ(CsvField(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvFieldTest,
    testing::Values(TextRow{"plain_text_stays", "Fractions", "Fractions"},
                    TextRow{"empty_stays_empty", "", ""},
                    TextRow{"comma_is_quoted", "Water, Heat and Light",
                            "\"Water, Heat and Light\""},
                    TextRow{"quote_is_doubled", "The \"Big\" Test", "\"The \"\"Big\"\" Test\""},
                    TextRow{"line_break_is_quoted", "two\nlines", "\"two\nlines\""},
                    TextRow{"carriage_return_is_quoted", "two\rlines", "\"two\rlines\""},
                    TextRow{"leading_space_is_kept", " Grammar", "\" Grammar\""},
                    TextRow{"trailing_space_is_kept", "Grammar ", "\"Grammar \""},
                    TextRow{"accents_stay", "Géographie", "Géographie"},
                    TextRow{"semicolon_stays", "a;b", "a;b"}),
    rowName<TextRow>);

class SpreadsheetValueTest : public testing::TestWithParam<TextRow> {};

TEST_P(SpreadsheetValueTest, readsAsADateOrTimeOrStaysAsStored) {
    const QString text = QString::fromUtf8(GetParam().text);
    const QString expected = QString::fromUtf8(GetParam().expected);
    if (QString::fromUtf8(GetParam().name).startsWith(u"date"))
        EXPECT_EQ(SpreadsheetDate(text), expected);
    else
        EXPECT_EQ(SpreadsheetTime(text), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SpreadsheetValueTest,
    testing::Values(TextRow{"date_of_marking", "7 Mar 2024", "2024-03-07"},
                    TextRow{"date_with_two_digit_day", "30 Dec 2005", "2005-12-30"},
                    TextRow{"date_in_another_form_stays", "30/12/2005", "30/12/2005"},
                    TextRow{"date_empty_stays", "", ""},
                    TextRow{"time_gets_two_digit_minutes_and_seconds", "0:7:5", "0:07:05"},
                    TextRow{"time_of_many_hours", "25:0:12", "25:00:12"},
                    TextRow{"time_already_padded", "1:23:45", "1:23:45"},
                    TextRow{"time_not_a_time_stays", "soon", "soon"},
                    TextRow{"time_empty_stays", "", ""}),
    rowName<TextRow>);

// A spreadsheet's reading of CSV text: fields split at commas outside quotes,
// quotes doubled inside quoted fields, rows at CR LF outside quotes.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

SubjectData scienceWithTwoTopics() {
    SubjectData subject = makeSubject(2, 10);
    subject.name = QStringLiteral("Science");
    subject.topicNames = {QStringLiteral("Water, Heat and Light"),
                          QStringLiteral("The \"Big\" Test")};
    setFirst(subject, 1, "85");
    subject.summary.set(SummaryRows::LTM, 1, QStringLiteral("0:7:5"));
    subject.summary.set(SummaryRows::CDD, 1, QStringLiteral("30 Dec 2005"));
    setSecond(subject, 1, "100");
    setFirst(subject, 7, "66.7");
    subject.summary.set(SummaryRows::LTM, 7, QStringLiteral("1:0:12"));
    subject.summary.set(SummaryRows::CDD, 7, QStringLiteral("2 Jan 2006"));
    return subject;
}

TEST(ResultsCsvTest, holdsARowPerMarkedTakeThatASpreadsheetReadsBack) {
    const QByteArray bytes = ResultsCsv(scienceWithTwoTopics());
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 byte-order mark";
    const QString text = QString::fromUtf8(bytes.mid(3));
    EXPECT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n"))) << "CR LF line ends only";

    const QList<QStringList> rows = readCsv(text);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], kResultsCsvHeader);
    EXPECT_EQ(rows[1], QStringList({"Science", "Water, Heat and Light", "1", "1", "85", "0:07:05",
                                    "2005-12-30"}));
    EXPECT_EQ(rows[2], QStringList({"Science", "Water, Heat and Light", "1", "2", "100", "", ""}));
    EXPECT_EQ(rows[3], QStringList({"Science", "The \"Big\" Test", "2", "1", "66.7", "1:00:12",
                                    "2006-01-02"}));
}

TEST(ResultsCsvTest, aSubjectWithoutMarkedPapersHasTheHeaderAlone) {
    const QByteArray bytes = ResultsCsv(makeSubject(7));
    EXPECT_EQ(readCsv(QString::fromUtf8(bytes.mid(3))), QList<QStringList>({kResultsCsvHeader}));
}

TEST(MarkedPapersTest, listsThePapersOfTheTopicsWithAScoreOfEitherTake) {
    SubjectData subject = makeSubject(2, 15);
    setFirst(subject, paperOf(1, 2), "50");
    setSecond(subject, paperOf(2, 5), "70"); // a hand-edited file: a second take alone
    setFirst(subject, paperOf(3, 1), "90");  // beyond the topic count
    const QList<MarkedPaper> papers = MarkedPapers(subject);
    ASSERT_EQ(papers.size(), 2);
    EXPECT_EQ(papers[0].topic, 1);
    EXPECT_EQ(papers[0].paper, 2);
    EXPECT_EQ(papers[0].paperIndex, 2);
    EXPECT_EQ(papers[0].topicName, "Topic 1");
    EXPECT_EQ(papers[0].firstScore, "50");
    EXPECT_EQ(papers[1].paperIndex, 10);
    EXPECT_EQ(papers[1].secondScore, "70");
    EXPECT_TRUE(papers[1].firstScore.isEmpty());
}

struct NameRow {
    const char* name;
    const char* subject;
    const char* pdf;
    const char* csv;
};

class ReportFileNameTest : public testing::TestWithParam<NameRow> {};

TEST_P(ReportFileNameTest, namesTheSubjectAndTheDay) {
    const QDate day(2025, 3, 16);
    EXPECT_EQ(ReportPdfName(QString::fromUtf8(GetParam().subject), day),
              QString::fromUtf8(GetParam().pdf));
    EXPECT_EQ(ResultsCsvName(QString::fromUtf8(GetParam().subject), day),
              QString::fromUtf8(GetParam().csv));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ReportFileNameTest,
    testing::Values(NameRow{"plain_subject", "Mathematics", "Mathematics report 2025-03-16.pdf",
                            "Mathematics results 2025-03-16.csv"},
                    NameRow{"accented_subject", "Français", "Français report 2025-03-16.pdf",
                            "Français results 2025-03-16.csv"},
                    NameRow{"signs_a_file_name_cannot_hold", "Art/Craft: \"2\"",
                            "Art-Craft- -2- report 2025-03-16.pdf",
                            "Art-Craft- -2- results 2025-03-16.csv"}),
    rowName<NameRow>);

} // namespace
