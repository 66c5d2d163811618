#include "course_check.h"

#include "key_forms.h"
#include "page_check.h"
#include "picture_check.h"
#include "record_text.h"
#include "self_judge.h"

#include "data/record_file.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>
#include <tuple>

namespace orvanta {
namespace {

// Question numbers are five digits, and 30000 upwards are the course tables.
constexpr int kFirstQuestionNumber = 10000;
constexpr int kLastQuestionNumber = 29999;
const QString kTypeLetters = QStringLiteral("QTLNFRXMG");

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

QString shortened(const QString& text) {
    constexpr int kShown = 48;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("...");
}

// Why `key` cannot be kept in a record file or typed into an answer box.
std::optional<QString> untypeableKeyFault(const QString& key) {
    for (QChar c : key) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            return QStringLiteral("The key %1 holds the control character U+%2, which cannot be "
                                  "typed into an answer box.")
                .arg(quoted(key))
                .arg(u, 4, 16, QLatin1Char('0'));
        if (u == 0xa0 || (u > 0xff && u != 0x20ac))
            return QStringLiteral("The key %1 holds \"%2\", which a pupil cannot type on an "
                                  "ordinary keyboard.")
                .arg(quoted(key), QString(c));
    }
    return std::nullopt;
}

bool isWholeNumberText(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

// A count of the course description, read as the program reads it: a whole
// number with optional spaces around it.
std::optional<int> countValue(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,4})\\s*$"));
    const auto match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QString templateName(ProgressFile file) {
    switch (file) {
    case ProgressFile::Summary:
        return QStringLiteral("summary");
    case ProgressFile::FirstAnswers:
        return QStringLiteral("first-take answers");
    case ProgressFile::SecondAnswers:
        return QStringLiteral("second-take answers");
    case ProgressFile::FirstResults:
        return QStringLiteral("first-take results");
    case ProgressFile::SecondResults:
        return QStringLiteral("second-take results");
    case ProgressFile::Trend:
        return QStringLiteral("trend");
    }
    return {};
}

// One sentence on where `found` first departs from `expected`.
QString templateDifference(const QByteArray& expected, const QByteArray& found, int& paper) {
    const RecordText want(expected);
    const RecordText have(found);
    const qsizetype common = std::min(want.lines().size(), have.lines().size());
    for (qsizetype i = 0; i < common; ++i) {
        const QString& w = want.lines().at(i);
        const QString& h = have.lines().at(i);
        if (w == h)
            continue;
        const auto wr = ParseRecordLine(w, 3);
        const auto hr = ParseRecordLine(h, 3);
        if (wr && hr && wr->key == hr->key) {
            paper = isWholeNumberText(wr->key) ? wr->key.toInt() : 0;
            if (wr->fields.size() != hr->fields.size())
                return QStringLiteral("Line %1, record %2, has %3 fields where the course "
                                      "defines %4.")
                    .arg(i + 1)
                    .arg(wr->key)
                    .arg(hr->fields.size())
                    .arg(wr->fields.size());
        }
        return QStringLiteral("Line %1 reads %2 where the course defines %3.")
            .arg(i + 1)
            .arg(quoted(shortened(h)), quoted(shortened(w)));
    }
    if (want.lines().size() != have.lines().size())
        return QStringLiteral("It has %1 lines where the course defines %2.")
            .arg(have.lines().size())
            .arg(want.lines().size());
    return QStringLiteral("Its line ends differ from what the course defines: CR LF after every "
                          "line but a closing \"...\".");
}

struct QuestionTable {
    int resource = 0;
    QString name;                   // "answer key"
    bool present = false;           // the resource exists
    QMap<int, QStringList> records; // the first record of each question
};

// What the check of one question found, kept so that a question listed by
// two papers is checked and reported once.
struct QuestionResult {
    bool clean = false;
    int parts = -1; // from the answer key; -1 when unknown
    QStringList keys, types, marks;
};

class Checker {
public:
    Checker(const ResourceLibrary& library, const CourseCheckRules& rules)
        : library_(library)
        , rules_(rules) {}

    CourseCheckReport run() {
        if (checkDescription()) {
            for (int s = 1; s <= kSubjectCount; ++s) {
                if (report_.course.subject(s).present())
                    checkSubject(s);
            }
        }
        report_.counts.questions = static_cast<int>(pageOwner_.size());
        for (int s = 1; s <= kSubjectCount; ++s) {
            if (report_.counts.subjects > 0 && report_.course.subject(s).present())
                measureVariety(s);
        }
        for (const PaperContent& paper : report_.papers)
            report_.problems.append(SelfJudgeProblems(paper));
        // Problems of whole files first, then paper by paper and question by
        // question, in the order found where these agree.
        std::stable_sort(report_.problems.begin(), report_.problems.end(),
                         [](const CourseProblem& a, const CourseProblem& b) {
                             return std::tuple(a.area, a.subject, a.paper, a.question, a.part) <
                                    std::tuple(b.area, b.subject, b.paper, b.question, b.part);
                         });
        return std::move(report_);
    }

private:
    const ResourceLibrary& library_;
    const CourseCheckRules& rules_;
    CourseCheckReport report_;
    QMap<int, int> pageOwner_; // question number -> the subject that lists it first
    QSet<int> checkedPages_;

    void add(ProblemArea area, int resource, int subject, int paper, int question, int part,
             const QString& what) {
        report_.problems.append({area, resource, subject, paper, question, part, what});
    }

    QString subjectName(int s) const { return report_.course.subject(s).name; }

    std::optional<RecordText> readRecordResource(int resource, int subject, ProblemArea area,
                                                 const QString& name) {
        const auto bytes = library_.bytes(resource);
        if (!bytes) {
            add(area, resource, subject, 0, 0, 0,
                QStringLiteral("The %1 (resource %2) is missing.").arg(name).arg(resource));
            return std::nullopt;
        }
        RecordText text(*bytes);
        if (text.bareLineEnds() > 0)
            add(area, resource, subject, 0, 0, 0,
                QStringLiteral("%1 line(s) of the %2 end with a lone LF or CR, the first on "
                               "line %3; record files end their lines with CR LF.")
                    .arg(text.bareLineEnds())
                    .arg(name)
                    .arg(text.firstBareLineEnd()));
        return text;
    }

    // ---- course description -------------------------------------------

    bool checkDescription() {
        const auto text =
            readRecordResource(kCourseDescriptionResource, 0, ProblemArea::Description,
                               QStringLiteral("course description"));
        if (!text)
            return false;
        checkDescriptionLines(*text);
        CourseDescription& course = report_.course;
        course.title = text->value(QStringLiteral("NME"));
        course.code = text->value(QStringLiteral("COD"));
        if (course.title.trimmed().isEmpty())
            describe(QStringLiteral("The course has no title (record NME)."));
        static const QRegularExpression safeCode(QStringLiteral("^[A-Za-z0-9_-]{1,16}$"));
        if (!safeCode.match(course.code).hasMatch())
            describe(QStringLiteral("The course code %1 (record COD) is not 1 to 16 letters, "
                                    "digits, \"-\" or \"_\"; it becomes part of every progress "
                                    "file name.")
                         .arg(quoted(course.code)));
        const std::array<QString, kSubjectCount> nameKeys = {
            QStringLiteral("LAH"), QStringLiteral("LBH"), QStringLiteral("LCH")};
        for (int s = 1; s <= kSubjectCount; ++s) {
            SubjectInfo& subject = course.subjects[s - 1];
            subject.name = text->value(nameKeys[s - 1]);
            if (subject.present())
                checkSubjectDescription(*text, s, subject);
        }
        report_.counts.subjects = course.presentSubjectCount();
        if (report_.counts.subjects == 0)
            describe(QStringLiteral("The course names no subject (records LAH, LBH, LCH)."));
        return report_.counts.subjects > 0;
    }

    void describe(const QString& what, int subject = 0) {
        add(ProblemArea::Description, kCourseDescriptionResource, subject, 0, 0, 0, what);
    }

    void checkDescriptionLines(const RecordText& text) {
        QMap<QString, int> seen; // upper-case key -> line
        for (qsizetype i = 0; i < text.lines().size(); ++i) {
            const QString& line = text.lines().at(i);
            if (!LooksLikeRecord(line))
                continue;
            const auto record = ParseRecordLine(line, 3);
            if (!record) {
                describe(QStringLiteral("Line %1 is not a record of the form \"#KEY#>value\".")
                             .arg(i + 1));
                continue;
            }
            const QString key = record->key.toUpper();
            if (seen.contains(key))
                describe(QStringLiteral("Line %1 repeats the record %2 of line %3; only the "
                                        "first is read.")
                             .arg(i + 1)
                             .arg(key)
                             .arg(seen.value(key)));
            else
                seen.insert(key, static_cast<int>(i + 1));
        }
    }

    void checkSubjectDescription(const RecordText& text, int s, SubjectInfo& subject) {
        const QString n = QString::number(s);
        const QString topicsKey = QStringLiteral("TT") + n;
        const QString papersKey = QStringLiteral("TP") + n;
        const auto topics = countValue(text.value(topicsKey));
        const auto papers = countValue(text.value(papersKey));
        if (!topics || *topics < 1 || *topics > kMaxTopics)
            describe(QStringLiteral("%1 has %2 topics (record %3); a whole number from 1 to %4 "
                                    "is needed.")
                         .arg(subject.name, quoted(text.value(topicsKey)), topicsKey)
                         .arg(kMaxTopics),
                     s);
        else
            subject.topicCount = *topics;
        if (!papers || *papers < 1 || *papers > kMaxPapers)
            describe(QStringLiteral("%1 has %2 papers (record %3); a whole number from 1 to %4 "
                                    "is needed.")
                         .arg(subject.name, quoted(text.value(papersKey)), papersKey)
                         .arg(kMaxPapers),
                     s);
        else
            subject.paperCount = *papers;
        if (subject.topicCount > 0 && subject.paperCount > 0 &&
            subject.paperCount != kPapersPerTopic * subject.topicCount)
            describe(QStringLiteral("%1 has %2 papers for %3 topics; every topic shows five "
                                    "papers, so %4 are needed.")
                         .arg(subject.name)
                         .arg(subject.paperCount)
                         .arg(subject.topicCount)
                         .arg(kPapersPerTopic * subject.topicCount),
                     s);
        checkTopicNames(text, s, subject);
    }

    void checkTopicNames(const RecordText& text, int s, SubjectInfo& subject) {
        const QString key = QStringLiteral("TN") + QString::number(s);
        const qsizetype line = text.find(key);
        const auto record = line < 0 ? std::nullopt : ParseRecordLine(text.lines().at(line), 3);
        if (!record) {
            describe(QStringLiteral("%1 has no topic names (record %2).").arg(subject.name, key),
                     s);
            return;
        }
        subject.topicNames = record->fields;
        if (subject.topicCount > 0 && record->fields.size() != subject.topicCount)
            describe(QStringLiteral("%1 has %2 topic names (record %3) for %4 topics.")
                         .arg(subject.name)
                         .arg(record->fields.size())
                         .arg(key)
                         .arg(subject.topicCount),
                     s);
        for (qsizetype t = 0; t < record->fields.size(); ++t) {
            if (record->fields.at(t).trimmed().isEmpty())
                describe(QStringLiteral("Topic %1 of %2 has an empty name (record %3).")
                             .arg(t + 1)
                             .arg(subject.name, key),
                         s);
        }
    }

    // ---- one subject ----------------------------------------------------

    void checkSubject(int s) {
        const SubjectInfo& subject = report_.course.subject(s);
        if (subject.paperCount == 0)
            return;
        const auto paperList = readRecordResource(PaperListResource(s), s, ProblemArea::PaperLists,
                                                  QStringLiteral("paper list"));
        const QuestionTable keys =
            readQuestionTable(AnswerKeyResource(s), s, QStringLiteral("answer key"));
        const QuestionTable types =
            readQuestionTable(QuestionTypeResource(s), s, QStringLiteral("question types"));
        const QuestionTable marks = readQuestionTable(MarkResource(s), s, QStringLiteral("marks"));
        QList<int> partsPerPaper(subject.paperCount, -1);
        QSet<int> listed;
        if (paperList) {
            const QMap<int, QStringList> papers = readPaperRecords(*paperList, s);
            QMap<int, QuestionResult> results;
            for (int index = 1; index <= subject.paperCount; ++index) {
                const int paper = PaperNumber(index);
                if (!papers.contains(paper)) {
                    add(ProblemArea::PaperLists, PaperListResource(s), s, paper, 0, 0,
                        QStringLiteral("The paper list has no record for paper %1.").arg(paper));
                    continue;
                }
                ++report_.counts.papers;
                partsPerPaper[index - 1] = checkPaper(s, paper, papers.value(paper),
                                                      {keys, types, marks}, results, listed);
            }
        }
        if (paperList) {
            for (const QuestionTable* table : {&keys, &types, &marks})
                reportUnlistedRecords(s, *table, listed);
        }
        checkTemplates(s, partsPerPaper);
    }

    QuestionTable readQuestionTable(int resource, int s, const QString& name) {
        QuestionTable table;
        table.resource = resource;
        table.name = name;
        const auto text = readRecordResource(resource, s, ProblemArea::Questions, name);
        if (!text)
            return table;
        table.present = true;
        int previous = 0;
        for (qsizetype i = 0; i < text->lines().size(); ++i) {
            const QString& line = text->lines().at(i);
            if (!LooksLikeRecord(line))
                continue;
            const auto record = ParseRecordLine(line, 5);
            if (!record || !isWholeNumberText(record->key)) {
                add(ProblemArea::Questions, resource, s, 0, 0, 0,
                    QStringLiteral("Line %1 of the %2 is not a question record of the form "
                                   "\"#10001#>...\".")
                        .arg(i + 1)
                        .arg(name));
                continue;
            }
            const int question = record->key.toInt();
            if (table.records.contains(question)) {
                add(ProblemArea::Questions, resource, s, 0, question, 0,
                    QStringLiteral("Line %1 of the %2 repeats the record of question %3; only "
                                   "the first is read.")
                        .arg(i + 1)
                        .arg(name)
                        .arg(question));
                continue;
            }
            if (question < previous)
                add(ProblemArea::Questions, resource, s, 0, question, 0,
                    QStringLiteral("Line %1 of the %2 holds question %3 after question %4; the "
                                   "records must ascend, as they are read in one pass.")
                        .arg(i + 1)
                        .arg(name)
                        .arg(question)
                        .arg(previous));
            previous = std::max(previous, question);
            table.records.insert(question, record->fields);
        }
        return table;
    }

    QMap<int, QStringList> readPaperRecords(const RecordText& text, int s) {
        const int resource = PaperListResource(s);
        const int papers = report_.course.subject(s).paperCount;
        QMap<int, QStringList> records;
        for (qsizetype i = 0; i < text.lines().size(); ++i) {
            const QString& line = text.lines().at(i);
            if (!LooksLikeRecord(line))
                continue;
            const auto record = ParseRecordLine(line, 3);
            if (!record || !isWholeNumberText(record->key)) {
                add(ProblemArea::PaperLists, resource, s, 0, 0, 0,
                    QStringLiteral("Line %1 is not a paper record of the form "
                                   "\"#101#>10001>10002\".")
                        .arg(i + 1));
                continue;
            }
            const int paper = record->key.toInt();
            if (records.contains(paper)) {
                add(ProblemArea::PaperLists, resource, s, paper, 0, 0,
                    QStringLiteral("Line %1 repeats the record of paper %2; only the first is "
                                   "read.")
                        .arg(i + 1)
                        .arg(paper));
                continue;
            }
            if (PaperIndex(paper) < 1 || PaperIndex(paper) > papers)
                add(ProblemArea::PaperLists, resource, s, paper, 0, 0,
                    QStringLiteral("Line %1 holds paper %2, but the subject's papers are 101 to "
                                   "%3; it is never read.")
                        .arg(i + 1)
                        .arg(paper)
                        .arg(PaperNumber(papers)));
            records.insert(paper, record->fields);
        }
        return records;
    }

    // The question numbers of a paper's record, with a problem for each field
    // that is not a question number and each one out of ascending order.
    QList<int> paperQuestions(int s, int paper, const QStringList& fields, bool& inOrder) {
        const int resource = PaperListResource(s);
        static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
        QList<int> questions;
        inOrder = true;
        if (fields.isEmpty())
            add(ProblemArea::PaperLists, resource, s, paper, 0, 0,
                QStringLiteral("The paper lists no questions."));
        int previous = 0;
        for (qsizetype k = 0; k < fields.size(); ++k) {
            const QString& field = fields.at(k);
            const int question = field.toInt();
            if (!fiveDigits.match(field).hasMatch() || question < kFirstQuestionNumber ||
                question > kLastQuestionNumber) {
                add(ProblemArea::PaperLists, resource, s, paper, 0, 0,
                    QStringLiteral("Field %1, %2, is not a question number (five digits from "
                                   "%3 to %4).")
                        .arg(k + 1)
                        .arg(quoted(field))
                        .arg(kFirstQuestionNumber)
                        .arg(kLastQuestionNumber));
                inOrder = false;
                continue;
            }
            if (question <= previous) {
                add(ProblemArea::PaperLists, resource, s, paper, question, 0,
                    question == previous
                        ? QStringLiteral("Question %1 is listed twice.").arg(question)
                        : QStringLiteral("Question %1 follows question %2; a paper's questions "
                                         "must ascend, as they are read in one pass.")
                              .arg(question)
                              .arg(previous));
                inOrder = false;
            }
            previous = std::max(previous, question);
            questions.append(question);
        }
        return questions;
    }

    struct Tables {
        const QuestionTable& keys;
        const QuestionTable& types;
        const QuestionTable& marks;
    };

    // Checks one paper; returns its part count, or -1 when it is unknown.
    int checkPaper(int s, int paper, const QStringList& fields, const Tables& tables,
                   QMap<int, QuestionResult>& results, QSet<int>& listed) {
        bool inOrder = true;
        const QList<int> questions = paperQuestions(s, paper, fields, inOrder);
        // The program reads a paper's records in one pass in the order listed:
        // out of order, the paper cannot be loaded and has no part count.
        bool clean = inOrder && !questions.isEmpty();
        PaperContent content;
        content.subject = s;
        content.paperNumber = paper;
        bool partsKnown = clean;
        for (int question : questions) {
            listed.insert(question);
            noteOwner(s, paper, question);
            checkPage(s, paper, question);
            if (!results.contains(question)) {
                results.insert(question, checkQuestion(s, paper, question, tables));
                report_.counts.parts += std::max(results.value(question).parts, 0);
            }
            const QuestionResult& result = results.value(question);
            clean = clean && result.clean;
            partsKnown = partsKnown && result.parts >= 0;
            content.questions.append(QString::number(question));
            content.partCounts.append(std::max(result.parts, 0));
            content.keys.append(result.keys);
            content.types.append(result.types);
            content.marks.append(result.marks);
        }
        if (content.partCount() > kPaperPartsCapacity) {
            add(ProblemArea::Questions, AnswerKeyResource(s), s, paper, 0, 0,
                QStringLiteral("The paper has %1 parts; at most %2 can be stored.")
                    .arg(content.partCount())
                    .arg(kPaperPartsCapacity));
            clean = false;
        }
        if (clean) {
            for (const QString& mark : content.marks)
                content.totalMarks += MarkValue(mark);
            report_.papers.append(content);
        }
        return partsKnown ? content.partCount() : -1;
    }

    void noteOwner(int s, int paper, int question) {
        const auto owner = pageOwner_.constFind(question);
        if (owner == pageOwner_.cend()) {
            pageOwner_.insert(question, s);
            return;
        }
        if (owner.value() != s)
            add(ProblemArea::PaperLists, PaperListResource(s), s, paper, question, 0,
                QStringLiteral("Question %1 is also listed by %2; a question number names one "
                               "page, so every subject needs its own numbers.")
                    .arg(question)
                    .arg(subjectName(owner.value())));
    }

    void checkPage(int s, int paper, int question) {
        if (checkedPages_.contains(question))
            return;
        checkedPages_.insert(question);
        const auto bytes = library_.bytes(question);
        if (!bytes) {
            add(ProblemArea::Pages, question, s, paper, question, 0,
                QStringLiteral("The question page is missing."));
            return;
        }
        ++report_.counts.pages;
        for (const QString& fault : CheckQuestionPage(*bytes))
            add(ProblemArea::Pages, question, s, paper, question, 0, fault);
    }

    QuestionResult checkQuestion(int s, int paper, int question, const Tables& tables) {
        QuestionResult result;
        result.clean = true;
        const auto record = [&](const QuestionTable& table) -> std::optional<QStringList> {
            if (!table.present) {
                result.clean = false;
                return std::nullopt;
            }
            const auto found = table.records.constFind(question);
            if (found == table.records.cend()) {
                add(ProblemArea::Questions, table.resource, s, paper, question, 0,
                    QStringLiteral("The question has no record in the %1.").arg(table.name));
                result.clean = false;
                return std::nullopt;
            }
            return found.value();
        };
        const auto keys = record(tables.keys);
        const auto types = record(tables.types);
        const auto marks = record(tables.marks);
        if (!keys)
            return result;
        result.parts = static_cast<int>(keys->size());
        result.keys = *keys;
        const auto problem = [&](const QuestionTable& table, int part, const QString& what) {
            add(ProblemArea::Questions, table.resource, s, paper, question, part, what);
            result.clean = false;
        };
        if (keys->isEmpty())
            problem(tables.keys, 0, QStringLiteral("The question has no parts."));
        if (keys->size() > kMaxPartsPerQuestion)
            problem(tables.keys, 0,
                    QStringLiteral("The question has %1 parts; at most %2 fit on the answer "
                                   "sheet.")
                        .arg(keys->size())
                        .arg(kMaxPartsPerQuestion));
        for (const auto& [table, fields] :
             {std::pair(&tables.types, types), std::pair(&tables.marks, marks)}) {
            if (fields && fields->size() != keys->size())
                problem(*table, 0,
                        QStringLiteral("The %1 record has %2 fields where the answer key has "
                                       "%3.")
                            .arg(table->name)
                            .arg(fields->size())
                            .arg(keys->size()));
        }
        for (qsizetype i = 0; i < keys->size(); ++i) {
            if (auto fault = untypeableKeyFault(keys->at(i)))
                problem(tables.keys, static_cast<int>(i + 1), *fault);
        }
        if (types) {
            result.types = *types;
            for (qsizetype i = 0; i < types->size(); ++i) {
                const QString& letter = types->at(i);
                if (letter.size() != 1 || !kTypeLetters.contains(letter))
                    problem(tables.types, static_cast<int>(i + 1),
                            QStringLiteral("The type letter %1 is not one of Q T L N F R X M G.")
                                .arg(quoted(letter)));
            }
            for (const KeyFormFault& fault : CheckKeyForms(*keys, *types))
                problem(tables.keys, fault.part + 1, fault.what);
        }
        if (marks) {
            result.marks = *marks;
            for (qsizetype i = 0; i < marks->size(); ++i) {
                const QString& mark = marks->at(i);
                if (!isWholeNumberText(mark) || mark.toInt() < 1)
                    problem(tables.marks, static_cast<int>(i + 1),
                            QStringLiteral("The mark %1 is not a whole number from 1.")
                                .arg(quoted(mark)));
            }
        }
        result.keys.resize(result.parts);
        result.types.resize(result.parts);
        result.marks.resize(result.parts);
        return result;
    }

    void reportUnlistedRecords(int s, const QuestionTable& table, const QSet<int>& listed) {
        for (auto it = table.records.cbegin(); it != table.records.cend(); ++it) {
            if (!listed.contains(it.key()))
                add(ProblemArea::Questions, table.resource, s, 0, it.key(), 0,
                    QStringLiteral("The %1 has a record for question %2, which no paper "
                                   "lists.")
                        .arg(table.name)
                        .arg(it.key()));
        }
    }

    // ---- variety -----------------------------------------------------------

    void measureVariety(int s) {
        const QList<LetterTarget>* targets = rules_.inventory ? &rules_.inventory->of(s) : nullptr;
        SubjectVariety variety = MeasureVariety(library_, s, subjectName(s), targets);
        for (const auto& [first, again] : variety.repeats)
            add(ProblemArea::Variety, again, s, 0, again, 0,
                QStringLiteral("The question is the same as question %1: the same text, the same "
                               "options and the same pictures.")
                    .arg(first));
        for (const LetterCount& letter : variety.letters) {
            if (letter.target && !letter.inRange())
                add(ProblemArea::Variety, QuestionTypeResource(s), s, 0, 0, 0,
                    QStringLiteral("Type letter %1 marks %2 parts; the inventory has %3, so %4 to "
                                   "%5 are allowed.")
                        .arg(letter.letter)
                        .arg(letter.count)
                        .arg(letter.target->parts)
                        .arg(letter.target->low())
                        .arg(letter.target->high()));
        }
        report_.variety.append(variety);
    }

    // ---- progress templates ---------------------------------------------

    void checkTemplates(int s, const QList<int>& partsPerPaper) {
        const bool partsKnown = std::none_of(partsPerPaper.cbegin(), partsPerPaper.cend(),
                                             [](int parts) { return parts < 0; });
        for (ProgressFile file : kProgressFiles) {
            const int resource = ProgressTemplateResource(s, file);
            const auto bytes = library_.bytes(resource);
            if (!bytes) {
                add(ProblemArea::Templates, resource, s, 0, 0, 0,
                    QStringLiteral("The %1 template is missing.").arg(templateName(file)));
                continue;
            }
            const bool perPaper = file != ProgressFile::Summary && file != ProgressFile::Trend;
            if (perPaper && !partsKnown)
                continue; // the missing part counts are reported where they are missing
            const QByteArray expected = ProgressTemplateBytes(file, partsPerPaper);
            if (*bytes == expected)
                continue;
            int paper = 0;
            const QString difference = templateDifference(expected, *bytes, paper);
            add(ProblemArea::Templates, resource, s, paper, 0, 0,
                QStringLiteral("The %1 template does not match the course: %2")
                    .arg(templateName(file), difference));
        }
    }
};

} // namespace

QString AreaTitle(ProblemArea area) {
    switch (area) {
    case ProblemArea::Description:
        return QStringLiteral("Course description");
    case ProblemArea::PaperLists:
        return QStringLiteral("Paper list");
    case ProblemArea::Questions:
        return QStringLiteral("Answer keys, question types and marks");
    case ProblemArea::Pages:
        return QStringLiteral("Question pages");
    case ProblemArea::Templates:
        return QStringLiteral("Progress templates");
    case ProblemArea::Variety:
        return QStringLiteral("Variety");
    case ProblemArea::Pictures:
        return QStringLiteral("Interface pictures");
    }
    return {};
}

QString CourseProblem::where() const {
    QStringList places;
    if (resource > 0)
        places << QStringLiteral("resource %1").arg(resource);
    if (paper > 0)
        places << QStringLiteral("paper %1").arg(paper);
    if (question > 0 && question != resource)
        places << QStringLiteral("question %1").arg(question);
    if (part > 0)
        places << QStringLiteral("part %1").arg(part);
    return places.join(QStringLiteral(", "));
}

QByteArray ProgressTemplateBytes(ProgressFile file, const QList<int>& partsPerPaper) {
    const qsizetype papers = partsPerPaper.size();
    QByteArray bytes;
    switch (file) {
    case ProgressFile::Trend:
        return QByteArrayLiteral("#TRD#\r\n");
    case ProgressFile::Summary:
        bytes = "...\r\n";
        for (const char* key : {"FSE", "SSE", "LTM", "CDD"})
            bytes += '#' + QByteArray(key) + '#' + QByteArray(papers, '>') + "\r\n";
        for (const char* key : {"FST", "SST"})
            bytes += '#' + QByteArray(key) + '#' + QByteArray(">0").repeated(papers) + "\r\n";
        break;
    default:
        bytes = "...\r\n";
        for (qsizetype i = 0; i < papers; ++i)
            bytes += '#' + QByteArray::number(PaperNumber(static_cast<int>(i + 1))) + '#' +
                     QByteArray(partsPerPaper.at(i), '>') + "\r\n";
        break;
    }
    return bytes + "...";
}

CourseCheckReport CheckCourse(const ResourceLibrary& library, const CourseCheckRules& rules) {
    return Checker(library, rules).run();
}

bool HoldsInterfacePictures(const ResourceLibrary& library) {
    const auto& pictures = InterfacePictures();
    return std::any_of(pictures.cbegin(), pictures.cend(), [&](const InterfacePicture& picture) {
        return library.contains(picture.number);
    });
}

QList<CourseProblem> CheckInterfacePictures(const ResourceLibrary& library) {
    QList<CourseProblem> problems;
    const auto problem = [&](int number, const QString& what) {
        problems.append({ProblemArea::Pictures, number, 0, 0, 0, 0, what});
    };
    for (const InterfacePicture& picture : InterfacePictures()) {
        const QString name = QString::fromLatin1(picture.fileName);
        const auto bytes = library.bytes(picture.number);
        if (!bytes)
            problem(picture.number, QStringLiteral("The picture %1 is missing.").arg(quoted(name)));
        else if (auto fault = PictureFileFault(picture.number, *bytes))
            problem(picture.number, QStringLiteral("The picture %1: %2").arg(quoted(name), *fault));
    }
    return problems;
}

QString FormatCheckReport(const CourseCheckReport& report, int perGroup) {
    QString text;
    const CourseDescription& course = report.course;
    if (!course.title.isEmpty())
        text += QStringLiteral("Course \"%1\" (code %2)\n").arg(course.title, course.code);
    qsizetype i = 0;
    const QList<CourseProblem>& problems = report.problems;
    while (i < problems.size()) {
        const ProblemArea area = problems.at(i).area;
        const int subject = problems.at(i).subject;
        qsizetype end = i;
        while (end < problems.size() && problems.at(end).area == area &&
               problems.at(end).subject == subject)
            ++end;
        text += u'\n' + AreaTitle(area);
        if (subject > 0)
            text += QStringLiteral(" of %1 (subject %2)")
                        .arg(course.subject(subject).name)
                        .arg(subject);
        text += QStringLiteral(": %1 problem(s)\n").arg(end - i);
        const qsizetype shown = perGroup > 0 ? std::min<qsizetype>(end - i, perGroup) : end - i;
        for (qsizetype k = i; k < i + shown; ++k) {
            const CourseProblem& p = problems.at(k);
            const QString where = p.where();
            text += QStringLiteral("  ") +
                    (where.isEmpty() ? QString() : where + QStringLiteral(": ")) + p.what + u'\n';
        }
        if (shown < end - i)
            text += QStringLiteral("  ... and %1 more\n").arg(end - i - shown);
        i = end;
    }
    for (const SubjectVariety& variety : report.variety)
        text += u'\n' + FormatVariety(variety);
    const CourseCounts& c = report.counts;
    QString counted = QStringLiteral("%1 subject(s), %2 papers, %3 questions, %4 parts, %5 pages")
                          .arg(c.subjects)
                          .arg(c.papers)
                          .arg(c.questions)
                          .arg(c.parts)
                          .arg(c.pages);
    if (c.pictures >= 0)
        counted += QStringLiteral(", %1 pictures").arg(c.pictures);
    text += QStringLiteral("\nChecked %1: %2.\n")
                .arg(counted, problems.isEmpty()
                                  ? QStringLiteral("no problems found")
                                  : QStringLiteral("%1 problem(s) found").arg(problems.size()));
    return text;
}

} // namespace orvanta
