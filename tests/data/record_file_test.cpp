#include "data/cp1252.h"
#include "data/record_file.h"
#include "tests/support/test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;
using Reason = RecordFileError::Reason;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    // Writes `lines` joined with CR LF (and a final CR LF) as the test file.
    QString file(const QStringList& lines, const QString& name = QStringLiteral("t.txt")) {
        const QString path = temp.file(name);
        writeBytes(path,
                   *cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        return path;
    }

    template <typename F> Reason reasonOf(F&& call) {
        try {
            call();
        } catch (const RecordFileError& e) {
            return e.reason();
        }
        ADD_FAILURE() << "no RecordFileError thrown";
        return Reason::BadArgument;
    }

    TempAppFolder temp;
};

QStringList repeated(const QString& value, int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << value;
    return list;
}

TEST_F(RecordFileTest, templateRowReadsAsEmptyFields) {
    const QString path = file({"...", "#FSE#" + QString(35, u'>'), "..."});
    EXPECT_EQ(ReadRecordFields(path, "FSE", 35, kSummaryCapacity), repeated("", 35));
}

TEST_F(RecordFileTest, fieldsComeBackUnchangedWithSpacesAndEmpties) {
    const QString path = file({"#CDD#>30/12/2005> two words >>x"});
    EXPECT_EQ(ReadRecordFields(path, "CDD", 4, kSummaryCapacity),
              QStringList({"30/12/2005", " two words ", "", "x"}));
}

TEST_F(RecordFileTest, lastRequestedFieldKeepsTheRestOfTheLine) {
    const QString path = file({"#TN1#>Fractions>Ratio and Proportions>Decimals"});
    EXPECT_EQ(ReadRecordFields(path, "TN1", 2, kTopicNameCapacity),
              QStringList({"Fractions", "Ratio and Proportions>Decimals"}));
    EXPECT_EQ(ReadRecordValue(path, "TN1"), "Fractions>Ratio and Proportions>Decimals");
}

TEST_F(RecordFileTest, keysMatchAnywhereWithoutRegardToCaseAndFirstMatchWins) {
    const QString path = file({"...", "#fse#>a>b", "#FSE#>c>d", "note #101# here", "#101#>x"});
    EXPECT_EQ(ReadRecordFields(path, "FSE", 2, kSummaryCapacity), QStringList({"a", "b"}));
    EXPECT_EQ(ReadRecordLine(path, "101"), "note #101# here");
    EXPECT_EQ(ReadRecordLine(path, "TRD"), "");
    EXPECT_EQ(ReadRecordValue(path, "TRD"), "");
}

TEST_F(RecordFileTest, valueIsEmptyForAShortLine) {
    const QString path = file({"#NME#", "#COD#>Q4"});
    EXPECT_EQ(ReadRecordValue(path, "NME"), "");
    EXPECT_EQ(ReadRecordValue(path, "COD"), "Q4");
}

TEST_F(RecordFileTest, fieldReadsFailClearlyOnBadRecords) {
    const QString path = file({"#FSE#>a>b", "x#SSE#>a>b", "#LTM#"});
    EXPECT_EQ(reasonOf([&] { ReadRecordFields(path, "FSE", 3, 50); }), Reason::TooFewFields);
    EXPECT_EQ(reasonOf([&] { ReadRecordFields(path, "CDD", 1, 50); }), Reason::RecordMissing);
    EXPECT_EQ(reasonOf([&] { ReadRecordFields(path, "SSE", 2, 50); }), Reason::Malformed);
    EXPECT_EQ(reasonOf([&] { ReadRecordFields(path, "LTM", 1, 50); }), Reason::Malformed);
    EXPECT_EQ(reasonOf([&] { ReadRecordFields(path, "FSE", 11, 10); }), Reason::CapacityExceeded);
    EXPECT_EQ(reasonOf([&] { ReadRecordList(path, "CDD"); }), Reason::RecordMissing);
    EXPECT_EQ(reasonOf([&] { ReadRecordList(path, "LTM"); }), Reason::TooFewFields);
    EXPECT_EQ(reasonOf([&] { ReadRecordLine(temp.file("absent.txt"), "FSE"); }),
              Reason::CannotOpen);
    EXPECT_TRUE(ReadRecordFields(path, "CDD", 0, 50).isEmpty());
}

TEST_F(RecordFileTest, errorMessageNamesFileAndKey) {
    const QString path = file({"#FSE#>a"});
    try {
        ReadRecordFields(path, "FSE", 2, 50);
        FAIL();
    } catch (const RecordFileError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_EQ(e.key(), "FSE");
        EXPECT_TRUE(e.message().contains(path));
        EXPECT_TRUE(e.message().contains("FSE"));
    }
}

TEST_F(RecordFileTest, recordListHasOneElementPerSeparator) {
    const QString path = file({"#101#>10001>10002>10003", "#102#>", "#103#>10004>"});
    EXPECT_EQ(ReadRecordList(path, "101"), QStringList({"10001", "10002", "10003"}));
    EXPECT_EQ(ReadRecordList(path, "102"), QStringList({""}));
    EXPECT_EQ(ReadRecordList(path, "103"), QStringList({"10004", ""}));
}

TEST_F(RecordFileTest, splitRecordLineOfTrend) {
    EXPECT_EQ(SplitRecordLine("#TRD#>66.7>100>", 2, kTrendCapacity), QStringList({"66.7", "100>"}));
    EXPECT_EQ(SplitRecordLine("#TRD#>66.7>100", 2, kTrendCapacity), QStringList({"66.7", "100"}));
    EXPECT_TRUE(SplitRecordLine("#TRD#", 0, kTrendCapacity).isEmpty());
    EXPECT_EQ(reasonOf([&] { SplitRecordLine("", 1, 80); }), Reason::RecordMissing);
    EXPECT_EQ(reasonOf([&] { SplitRecordLine("#TRD#>1", 51, 50); }), Reason::CapacityExceeded);
}

TEST_F(RecordFileTest, linesEndWithCrLfLfOrCrAndTheLastMayHaveNone) {
    const QString path = temp.file("mixed.txt");
    writeBytes(path, "...\r\n#101#>a\n#102#>b\r#103#>c\r\n#104#>d");
    EXPECT_EQ(ReadPaperLines(path, 4), QStringList({"#101#>a", "#102#>b", "#103#>c", "#104#>d"}));
}

TEST_F(RecordFileTest, windows1252BytesDecodeAtTheBoundary) {
    const QString path = temp.file("q.txt");
    writeBytes(path, "#10001#>pupil\x92s>caf\xe9>\xfc>\xfb\r\n");
    EXPECT_EQ(ReadQuestionParts(path, {"10001"}),
              QStringList({QString::fromUtf8("pupil\u2019s"), QString::fromUtf8("café"),
                           QString::fromUtf8("ü"), QString::fromUtf8("û")}));
}

TEST_F(RecordFileTest, paperLinesAreReadInOnePassInAscendingOrder) {
    const QString path = file({"...", "#101#>a", "#102#>b", "#104#>d", "#103#>c", "..."});
    // 103 stands after 104: the pass finds 103 after 104 and 104 is then gone.
    EXPECT_EQ(ReadPaperLines(path, 4), QStringList({"#101#>a", "#102#>b", "#103#>c", ""}));
    EXPECT_EQ(ReadPaperLines(path, 2), QStringList({"#101#>a", "#102#>b"}));
    EXPECT_EQ(reasonOf([&] { ReadPaperLines(path, 51); }), Reason::CapacityExceeded);
}

TEST_F(RecordFileTest, missingPaperRecordEmptiesItAndAllLaterOnes) {
    const QString path = file({"#101#>a", "#103#>c"});
    EXPECT_EQ(ReadPaperLines(path, 3), QStringList({"#101#>a", "", ""}));
}

TEST_F(RecordFileTest, questionPartsComeInQuestionOrderInOnePass) {
    const QString path =
        file({"...", "#10004#>a>b", "#10005#>;woodlouse;earthworm> > ", "#10006#>c", "..."});
    EXPECT_EQ(ReadQuestionParts(path, {"10004", "10005", "10006"}),
              QStringList({"a", "b", ";woodlouse;earthworm", " ", " ", "c"}));
    EXPECT_EQ(ReadPartCounts(path, {"10004", "10005", "10006"}), QList<int>({2, 3, 1}));
    EXPECT_EQ(reasonOf([&] { ReadQuestionParts(path, {"10006", "10004"}); }), Reason::OutOfOrder);
    EXPECT_EQ(reasonOf([&] { ReadPartCounts(path, {"10004", "10009"}); }), Reason::OutOfOrder);
}

class RecordWriteTest : public RecordFileTest {
protected:
    // A per-paper file made from a template: "...", 101..103, "...".
    QString templateFile() {
        return file({"...", "#101#>>>", "#102#>>", "#103#>", "..."}, "first1Q4.txt");
    }
};

TEST_F(RecordWriteTest, replacedRecordHasExactlyItsValuesAndTheFileItsLines) {
    const QString path = templateFile();
    QStringList lines = ReadPaperLines(path, 3);
    ReplaceRecordLine(lines, {"x", "", "z"}, 1, "101", 3, 3, path);
    EXPECT_EQ(readBytes(path), "#101#>x>>z\r\n#102#>>\r\n#103#>\r\n");
    EXPECT_EQ(lines.at(0), "#101#>x>>z");

    ReplaceRecordLine(lines, {"a", "b"}, 2, "102", 3, 2, path);
    EXPECT_EQ(readBytes(path), "#101#>x>>z\r\n#102#>a>b\r\n#103#>\r\n");
}

TEST_F(RecordWriteTest, rewriteKeepsOtherLinesByteIdentical) {
    const QString path = temp.file("f.txt");
    writeBytes(path, "...\r\n#101#>caf\xe9> two >\r\n#102#>\x92>\xfc\r\n#103#>>\r\n...");
    QStringList lines = ReadPaperLines(path, 3);
    ReplaceRecordLine(lines, {"1", ""}, 3, "103", 3, 2, path);
    EXPECT_EQ(readBytes(path), "#101#>caf\xe9> two >\r\n#102#>\x92>\xfc\r\n#103#>1>\r\n");
}

TEST_F(RecordWriteTest, zeroValuesLeaveTheKeyAndOneSeparator) {
    const QString path = templateFile();
    QStringList lines = ReadPaperLines(path, 3);
    ReplaceRecordLine(lines, {}, 3, "103", 3, 0, path);
    EXPECT_EQ(ReadRecordLine(path, "103"), "#103#>");
}

TEST_F(RecordWriteTest, unstorableValueIsRefusedAndTheFileKept) {
    const QString path = templateFile();
    const QByteArray before = readBytes(path);
    QStringList lines = ReadPaperLines(path, 3);
    const QStringList kept = lines;
    for (const QString& bad : {QString("a>b"), QString("line\nbreak"), QString("cr\r"),
                               QString::fromUtf8("snow \u2603")}) {
        EXPECT_EQ(reasonOf([&] {
                      ReplaceRecordLine(lines, {bad, "", ""}, 1, "101", 3, 3, path);
                  }),
                  Reason::Unstorable)
            << bad.toStdString();
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(lines, kept);
}

TEST_F(RecordWriteTest, impossibleArgumentsAreRefused) {
    const QString path = templateFile();
    QStringList lines = ReadPaperLines(path, 3);
    EXPECT_EQ(reasonOf([&] { ReplaceRecordLine(lines, {"a"}, 4, "104", 3, 1, path); }),
              Reason::BadArgument);
    EXPECT_EQ(reasonOf([&] { ReplaceRecordLine(lines, {"a"}, 1, "101", 3, 2, path); }),
              Reason::BadArgument);
    EXPECT_EQ(reasonOf([&] { ReplaceRecordLine(lines, {"a"}, 1, "101", 4, 1, path); }),
              Reason::BadArgument);
}

TEST_F(RecordWriteTest, failedWriteLeavesKeptLinesAsTheyWere) {
    QStringList lines = {"#101#>", "#102#>"};
    const QString path = temp.file("no-such-folder/first1Q4.txt");
    EXPECT_EQ(reasonOf([&] { ReplaceRecordLine(lines, {"a"}, 1, "101", 2, 1, path); }),
              Reason::CannotWrite);
    EXPECT_EQ(lines, QStringList({"#101#>", "#102#>"}));
}

TEST_F(RecordWriteTest, summaryRowsAreWrittenInOrderWithCountFields) {
    const QString path = temp.file("marks1Q4.txt");
    std::array<QStringList, 6> rows = {
        QStringList{"66.7", "", "x"},    QStringList{"", "", ""},    QStringList{"0:7:5", "", ""},
        QStringList{"1/2/2026", "", ""}, QStringList{"1", "0", "0"}, QStringList{"0", "0", "0"}};
    const std::array<QString, 6> keys = {"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
    WriteSummaryRows(rows, keys, 2, path);
    EXPECT_EQ(readBytes(path), "#FSE#>66.7>\r\n#SSE#>>\r\n#LTM#>0:7:5>\r\n#CDD#>1/2/2026>\r\n"
                               "#FST#>1>0\r\n#SST#>0>0\r\n");
    rows[0][0] = "6>7";
    EXPECT_EQ(reasonOf([&] { WriteSummaryRows(rows, keys, 2, path); }), Reason::Unstorable);
    EXPECT_EQ(reasonOf([&] { WriteSummaryRows(rows, keys, 4, path); }), Reason::BadArgument);
}

TEST(Cp1252Test, everyByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x92), QChar(0x2019));
    EXPECT_EQ(text.at(0xFC), QChar(0x00FC));
    EXPECT_EQ(cp1252::encode(text), all);
}

TEST(Cp1252Test, charactersOutsideTheCodePageCannotBeEncoded) {
    EXPECT_FALSE(cp1252::encode(QString::fromUtf8("\u0100")).has_value());
    EXPECT_FALSE(cp1252::canEncode(QString::fromUtf8("ok \U0001F600")));
    EXPECT_TRUE(cp1252::canEncode(QString::fromUtf8("€ – ‘x’ ü")));
    EXPECT_FALSE(IsStorableField(QString::fromUtf8("\u4e2d")));
    EXPECT_TRUE(IsStorableField(QString::fromUtf8(" café ")));
}

} // namespace

namespace {

// A summary of 50 MB of line feeds once froze the start for seconds: a file
// far above what the program ever writes is refused before it is read.
TEST_F(RecordFileTest, aFileFarLargerThanAnyRecordFileIsRefusedUnread) {
    const QString path = temp.file("marks1Q4.txt");
    {
        QFile sparse(path);
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(50 * 1024 * 1024)); // takes no disk space
    }
    EXPECT_EQ(reasonOf([&] { ReadRecordLine(path, "FSE"); }), Reason::TooLarge);
    EXPECT_EQ(reasonOf([&] { ReadPaperLines(path, 35); }), Reason::TooLarge);
    try {
        ReadRecordFileBytes(path);
    } catch (const RecordFileError& e) {
        EXPECT_TRUE(e.message().contains("marks1Q4.txt")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("50 MB")) << e.message().toStdString();
    }
    writeBytes(path, QByteArray(kRecordFileByteLimit, '\n'));
    EXPECT_EQ(ReadRecordLine(path, "FSE"), ""); // at the limit it is read
}

} // namespace
