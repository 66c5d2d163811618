#include "progress_check.h"

#include "marking_error.h"
#include "paper_marking.h"
#include "score.h"

#include "data/course_content.h"
#include "data/progress_records.h"
#include "data/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <optional>

namespace orvanta {
namespace {

using Row = SummaryRows::Row;

// One progress file as the check found it.
struct CheckedFile {
    ProgressFile kind = ProgressFile::Summary;
    QString path;
    QString name;
    bool missing = false;
    bool readable = true;
    QByteArray original;     // as read; the template when missing
    QStringList fileLines;   // the lines of `original`
    QStringList lines;       // the regular form (per-paper files)
    RecordFindings findings; // what did not fit
    bool changed = false;    // the reconciliation changed it
    bool dropsText = false;  // the reconciliation cleared text it held

    bool needsWriting() const { return missing || changed || findings.needsRewrite(); }
    bool needsCopy() const { return !missing && (findings.dropsText || dropsText); }
};

QStringList recordFields(const QString& line) {
    return line.size() <= 5 ? QStringList() : line.mid(6).split(u'>');
}

bool anyText(const QStringList& fields) {
    for (const QString& f : fields) {
        if (!f.isEmpty())
            return true;
    }
    return false;
}

// A notice longer than this does not fit the pop-up beside its icon.
constexpr qsizetype kNoticeLength = 140;

// `sentence` with its "%1" the papers: by name when one or two fit the
// pop-up, else by their number ("5 papers").
QString withPapers(const QString& sentence, const QStringList& papers) {
    if (papers.size() <= 2) {
        const QString named = sentence.arg(papers.join(QStringLiteral(" and ")));
        if (named.size() <= kNoticeLength)
            return named;
    }
    return sentence.arg(QStringLiteral("%1 papers").arg(papers.size()));
}

class SubjectChecker {
public:
    SubjectChecker(const ProgressStore& store, int subject, int paperCount,
                   const QStringList& topicNames)
        : store_(store)
        , subject_(subject)
        , paperCount_(paperCount)
        , topicNames_(topicNames) {}

    ProgressCheck run(ProgressRepair repair) {
        try {
            store_.settle();
        } catch (const RecordFileError& e) {
            tell({}, QStringLiteral("Your last change could not be finished (%1: %2), so your "
                                    "results cannot be shown yet.")
                         .arg(QFileInfo(e.file()).fileName(), local(e.detail())));
            result_.summaryReadable = false;
            return result_;
        }
        for (ProgressFile kind : kProgressFiles)
            files_[static_cast<int>(kind)] = load(kind);
        readPaperFiles();
        readSummary();
        if (file(ProgressFile::Summary).readable) {
            reconcileFirstTakes();
            reconcileSecondTakes();
            checkTrend();
        } else {
            result_.summaryReadable = false;
        }
        describeRepairs();
        if (anythingToWrite()) {
            if (repair == ProgressRepair::Repair)
                write();
            else
                result_.written = false;
        }
        return result_;
    }

private:
    CheckedFile& file(ProgressFile kind) { return files_[static_cast<int>(kind)]; }

    // The pupil knows the files by name: the folder is left out.
    QString local(QString text) const {
        return text.replace(store_.folder().path() + u'/', QString());
    }

    void tell(const QString& fileName, const QString& text, bool repaired = false) {
        result_.notices.append({fileName, text, repaired});
    }

    CheckedFile load(ProgressFile kind) {
        CheckedFile f;
        f.kind = kind;
        f.path = store_.path(kind, subject_);
        f.name = QFileInfo(f.path).fileName();
        if (!QFileInfo::exists(f.path)) {
            f.missing = true;
            const std::optional<QByteArray> bytes =
                store_.library().bytes(ProgressTemplateResource(subject_, kind));
            if (!bytes) {
                f.readable = false;
                tell(f.name, QStringLiteral("%1 is missing and cannot be made again: the program "
                                            "lacks its template.")
                                 .arg(f.name));
                return f;
            }
            f.original = *bytes;
        } else {
            try {
                f.original = ReadRecordFileBytes(f.path);
            } catch (const RecordFileError& e) {
                f.readable = false;
                if (e.reason() == RecordFileError::Reason::TooLarge)
                    tell(f.name, QStringLiteral("%1 is far too large for a progress file (%2), so "
                                                "it looks damaged. It was left as it is.")
                                     .arg(f.name, e.detail()));
                else
                    tell(f.name, QStringLiteral("%1 cannot be read (%2). It was left as it is.")
                                     .arg(f.name, local(e.detail())));
                return f;
            }
        }
        f.fileLines = SplitRecordFileLines(f.original);
        return f;
    }

    void readPaperFiles() {
        for (ProgressFile kind : {ProgressFile::FirstAnswers, ProgressFile::SecondAnswers,
                                  ProgressFile::FirstResults, ProgressFile::SecondResults}) {
            CheckedFile& f = file(kind);
            if (!f.readable)
                continue;
            PaperRecordsReading reading = ReadPaperRecordsByKey(
                f.fileLines, paperCount_, store_.templateLines(kind, subject_));
            f.lines = std::move(reading.lines);
            f.findings = std::move(reading.findings);
        }
    }

    void readSummary() {
        CheckedFile& f = file(ProgressFile::Summary);
        if (!f.readable)
            return;
        SummaryReading reading = ReadSummaryByKey(
            f.fileLines, paperCount_, store_.templateLines(ProgressFile::Summary, subject_));
        rows_ = reading.rows;
        rowDamaged_ = reading.rowDamaged;
        f.findings = std::move(reading.findings);
    }

    QString paperCaption(int index) const {
        const int topic = TopicOfPaperIndex(index);
        const QString name = topicNames_.value(topic - 1);
        if (name.isEmpty())
            return QStringLiteral("paper %1").arg(PaperNumber(index));
        return QStringLiteral("%1 - Paper %2")
            .arg(name)
            .arg(index - FirstPaperIndexOfTopic(topic) + 1);
    }

    QStringList captions(const QStringList& keys) const {
        QStringList names;
        for (const QString& key : keys)
            names << paperCaption(PaperIndex(key.toInt()));
        return names;
    }

    const PaperContent* content(int index) {
        auto at = contents_.find(index);
        if (at == contents_.end()) {
            std::optional<PaperContent> loaded;
            try {
                loaded = LoadPaperContent(store_.library(), store_.folder(), subject_,
                                          PaperNumber(index));
            } catch (const CourseError&) {
            }
            at = contents_.insert(index, loaded);
        }
        return at->has_value() ? &**at : nullptr;
    }

    // The take's score worked out from stored results, or nothing when the
    // paper's marks cannot give one.
    std::optional<QString> percentageOf(int index, const QStringList& results) {
        const PaperContent* paper = content(index);
        if (!paper)
            return std::nullopt;
        try {
            return PercentageText(Score(results, paper->marks), TotalMarks(paper->marks));
        } catch (const MarkingError&) {
            return std::nullopt;
        }
    }

    // The results judged again from the stored answers, or nothing.
    std::optional<PaperMarking> judged(int index, const QStringList& answers) {
        const PaperContent* paper = content(index);
        if (!paper || !anyText(answers))
            return std::nullopt;
        try {
            return MarkPaperAnswers(*paper, answers);
        } catch (const MarkingError&) {
            return std::nullopt;
        }
    }

    QString& value(Row row, int index) { return rows_[row][index - 1]; }

    // Clears the values of a take without results: in a damaged row (a
    // value shifted there), and in every row when the take's flag says it
    // was never marked either (a hand-edited score the main window would
    // show, and a second try it would offer, for a paper never taken).
    void clearStrays(int index, const QList<Row>& rows, bool neverMarked, QStringList& strays) {
        bool cleared = false;
        for (Row row : rows) {
            if ((rowDamaged_[row] || neverMarked) && !value(row, index).isEmpty()) {
                value(row, index).clear();
                cleared = true;
            }
        }
        if (cleared) {
            strays << paperCaption(index);
            file(ProgressFile::Summary).changed = true;
            file(ProgressFile::Summary).dropsText = true;
        }
    }

    // One take of every paper: its flag and score against its results.
    struct Take {
        Row status;
        Row score;
        QList<Row> strayRows;
        ProgressFile answers;
        ProgressFile results;
        QStringList* recomputed;
        QStringList* rejudged;
        QStringList* lost;
        QStringList* strays;
    };

    void reconcile(const Take& take) {
        CheckedFile& summary = file(ProgressFile::Summary);
        CheckedFile& results = file(take.results);
        CheckedFile& answers = file(take.answers);
        if (!results.readable)
            return;
        for (int index = 1; index <= paperCount_; ++index) {
            QString& status = value(take.status, index);
            QString& score = value(take.score, index);
            const QStringList stored = recordFields(results.lines.value(index - 1));
            if (anyText(stored)) {
                if (status == u"1" && !score.isEmpty())
                    continue;
                if (!score.isEmpty() && !rowDamaged_[take.score]) {
                    // Only the flag was lost: the score stands where it belongs.
                    status = QStringLiteral("1");
                    summary.changed = true;
                    continue;
                }
                if (const std::optional<QString> pct = percentageOf(index, stored)) {
                    status = QStringLiteral("1");
                    score = *pct;
                    *take.recomputed << paperCaption(index);
                    summary.changed = true;
                }
            } else if (status == u"1" && !recordFields(results.lines.value(index - 1)).isEmpty()) {
                // (A paper without parts in its template has no results to miss.)
                const QStringList typed =
                    answers.readable ? recordFields(answers.lines.value(index - 1)) : QStringList();
                if (const std::optional<PaperMarking> marking = judged(index, typed)) {
                    results.lines[index - 1] =
                        BuildRecordLine(QString::number(PaperNumber(index)), marking->results);
                    results.changed = true;
                    *take.rejudged << paperCaption(index);
                    if (score.isEmpty()) {
                        score = marking->percentage;
                        summary.changed = true;
                    }
                } else {
                    *take.lost << paperCaption(index);
                }
            } else {
                clearStrays(index, take.strayRows, status != u"1", *take.strays);
            }
        }
    }

    void reconcileFirstTakes() {
        reconcile({SummaryRows::FST,
                   SummaryRows::FSE,
                   {SummaryRows::FSE, SummaryRows::LTM, SummaryRows::CDD},
                   ProgressFile::FirstAnswers,
                   ProgressFile::FirstResults,
                   &recomputedFirst_,
                   &rejudgedFirst_,
                   &lostFirst_,
                   &strayFirst_});
    }

    void reconcileSecondTakes() {
        reconcile({SummaryRows::SST,
                   SummaryRows::SSE,
                   {SummaryRows::SSE},
                   ProgressFile::SecondAnswers,
                   ProgressFile::SecondResults,
                   &recomputedSecond_,
                   &rejudgedSecond_,
                   &lostSecond_,
                   &straySecond_});
    }

    void checkTrend() {
        const CheckedFile& trend = file(ProgressFile::Trend);
        if (!trend.readable)
            return;
        int entries = 0;
        for (const QString& entry : TrendEntries(trend.fileLines))
            entries += entry.isEmpty() ? 0 : 1;
        const auto marked = static_cast<int>(rows_[SummaryRows::FST].count(QStringLiteral("1")));
        if (entries > marked)
            tell(trend.name, QStringLiteral("%1 holds %2 recent scores, but only %3 first tries "
                                            "are marked. The extra scores stay in your trend.")
                                 .arg(trend.name)
                                 .arg(entries)
                                 .arg(marked));
    }

    // Where a per-paper file was damaged, by paper; nothing for the summary,
    // whose rows mean nothing to a pupil.
    QString findingsText(const CheckedFile& f) const {
        const RecordFindings& r = f.findings;
        if (f.kind == ProgressFile::Summary)
            return {};
        QStringList keys = r.missing + r.repeated + r.shorter + r.longer + r.malformed;
        keys.removeDuplicates();
        std::sort(keys.begin(), keys.end());
        if (keys.isEmpty())
            return r.outOfOrder ? QStringLiteral(" (its records stood out of order)") : QString();
        return withPapers(QStringLiteral(" at %1"), captions(keys));
    }

    void describeRepairs() {
        QHash<int, QStringList> extra;
        auto add = [&](ProgressFile kind, const QStringList& papers, const QString& one,
                       const QString& many) {
            if (!papers.isEmpty())
                extra[static_cast<int>(kind)] << withPapers(
                    (papers.size() == 1 ? one : many).arg(file(kind).name, QStringLiteral("%1")),
                    papers);
        };
        add(ProgressFile::Summary, recomputedFirst_,
            QStringLiteral("%1 had lost the score of %2. It has been worked out again."),
            QStringLiteral("%1 had lost the scores of %2. They have been worked out again."));
        add(ProgressFile::Summary, recomputedSecond_,
            QStringLiteral("%1 had lost the second score of %2. It has been worked out again."),
            QStringLiteral("%1 had lost the second scores of %2. They have been worked out "
                           "again."));
        add(ProgressFile::Summary, strayFirst_,
            QStringLiteral("%1 showed a score for %2, which was never marked. It was cleared."),
            QStringLiteral("%1 showed scores for %2, which were never marked. They were cleared."));
        add(ProgressFile::Summary, straySecond_,
            QStringLiteral("%1 showed a second score for %2, which was never marked. It was "
                           "cleared."),
            QStringLiteral("%1 showed second scores for %2, which were never marked. They were "
                           "cleared."));
        for (ProgressFile results : {ProgressFile::FirstResults, ProgressFile::SecondResults}) {
            add(results, results == ProgressFile::FirstResults ? rejudgedFirst_ : rejudgedSecond_,
                QStringLiteral("%1 had lost the ticks and crosses of %2. They were worked out "
                               "again from your answers."),
                QStringLiteral("%1 had lost the ticks and crosses of %2. They were worked out "
                               "again from your answers."));
        }

        for (const CheckedFile& f : files_) {
            if (!f.readable || !f.needsWriting())
                continue;
            QStringList texts;
            if (f.missing)
                texts << QStringLiteral("%1 was missing and has been made again.").arg(f.name);
            else if (f.findings.needsRewrite())
                texts << QStringLiteral("%1 was damaged%2 and has been mended.")
                             .arg(f.name, findingsText(f));
            texts << extra.value(static_cast<int>(f.kind));
            if (f.needsCopy()) {
                const QString copy = QStringLiteral("The file as it was is kept as %1.")
                                         .arg(QFileInfo(DamagedCopyPath(f.path)).fileName());
                auto fits = [&](const QString& text) {
                    return text.size() + copy.size() < kNoticeLength;
                };
                if (!texts.isEmpty() && fits(texts.first()))
                    texts.first() += u' ' + copy;
                else if (!texts.isEmpty() && fits(texts.last()))
                    texts.last() += u' ' + copy;
                else
                    texts << f.name + QStringLiteral(" has been mended. ") + copy;
            }
            for (const QString& text : texts)
                tell(f.name, text, true);
        }
        auto lost = [&](const QStringList& papers, ProgressFile answers, ProgressFile results) {
            if (papers.isEmpty())
                return;
            const bool one = papers.size() == 1;
            const QString sentence =
                QStringLiteral("%1 ") + (one ? QStringLiteral("is") : QStringLiteral("are")) +
                QStringLiteral(" marked, but ") + file(answers).name + QStringLiteral(" and ") +
                file(results).name + QStringLiteral(" hold neither answers nor ticks for ") +
                (one ? QStringLiteral("it. Its score stays.")
                     : QStringLiteral("them. Their scores stay."));
            tell(file(results).name, withPapers(sentence, papers));
        };
        lost(lostFirst_, ProgressFile::FirstAnswers, ProgressFile::FirstResults);
        lost(lostSecond_, ProgressFile::SecondAnswers, ProgressFile::SecondResults);
    }

    bool anythingToWrite() const {
        for (const CheckedFile& f : files_) {
            if (f.readable && f.needsWriting())
                return true;
        }
        return false;
    }

    QByteArray newBytes(const CheckedFile& f) {
        if (f.missing && !f.changed)
            return f.original; // the template as it is
        switch (f.kind) {
        case ProgressFile::Summary: {
            SummaryRows summary;
            summary.rows = rows_;
            return store_.SummaryBytes(subject_, summary);
        }
        case ProgressFile::Trend:
            return f.original;
        default:
            return RecordFileBytes(f.lines, f.path);
        }
    }

    void write() {
        FileChange change = store_.change(QStringLiteral("the mending of your progress files"));
        try {
            for (const CheckedFile& f : files_) {
                if (f.readable && f.needsWriting() && f.needsCopy())
                    change.replace(DamagedCopyPath(f.path), f.original);
            }
            // The summary, which the main window reads, goes into place last.
            for (ProgressFile kind : {ProgressFile::FirstAnswers, ProgressFile::SecondAnswers,
                                      ProgressFile::FirstResults, ProgressFile::SecondResults,
                                      ProgressFile::Trend, ProgressFile::Summary}) {
                const CheckedFile& f = file(kind);
                if (f.readable && f.needsWriting())
                    change.replace(f.path, newBytes(f));
            }
            store_.commit(change);
        } catch (const RecordFileError& e) {
            // One notice a file: nothing was mended.
            result_.written = false;
            QStringList files;
            QList<ProgressNotice> kept;
            for (const ProgressNotice& notice : result_.notices) {
                if (!notice.repaired)
                    kept << notice;
                else if (!files.contains(notice.file))
                    files << notice.file;
            }
            result_.notices = kept;
            for (const QString& name : files)
                tell(name, QStringLiteral("%1 needs mending, but it could not be written (%2). It "
                                          "was left as it is.")
                               .arg(name, local(e.detail())));
        }
    }

    const ProgressStore& store_;
    int subject_;
    int paperCount_;
    QStringList topicNames_;
    std::array<CheckedFile, 6> files_;
    std::array<QStringList, 6> rows_;
    std::array<bool, 6> rowDamaged_{};
    QHash<int, std::optional<PaperContent>> contents_;
    QStringList recomputedFirst_, recomputedSecond_, rejudgedFirst_, rejudgedSecond_;
    QStringList lostFirst_, lostSecond_, strayFirst_, straySecond_;
    ProgressCheck result_;
};

} // namespace

QString DamagedCopyPath(const QString& path) {
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged-%1").arg(n);
    return copy;
}

ProgressCheck CheckSubjectProgress(const ProgressStore& store, int subject, int paperCount,
                                   const QStringList& topicNames, ProgressRepair repair) {
    if (paperCount < 1 || paperCount > kMaxPapers)
        return {};
    return SubjectChecker(store, subject, paperCount, topicNames).run(repair);
}

} // namespace orvanta
