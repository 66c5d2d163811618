#include "progress_records.h"

#include <QHash>

#include <algorithm>
#include <functional>

#include <optional>

namespace orvanta {
namespace {

const std::array<QString, 6> kSummaryKeys = {QStringLiteral("FSE"), QStringLiteral("SSE"),
                                             QStringLiteral("LTM"), QStringLiteral("CDD"),
                                             QStringLiteral("FST"), QStringLiteral("SST")};
constexpr std::size_t kFirstFlagRow = 4; // FST, then SST: "0" until marked

// A well-formed record line: "#KEY#" alone, or "#KEY#>" and its fields.
bool wellFormed(const QString& line) {
    return line.size() == 5 || line.at(5) == u'>';
}

// The fields of a well-formed record line; none for "#KEY#" alone.
QStringList fieldsOf(const QString& line) {
    return line.size() <= 5 ? QStringList() : line.mid(6).split(u'>');
}

QString recordLine(const QString& key, const QStringList& fields) {
    return u'#' + key + u'#' + (fields.isEmpty() ? QString() : u'>' + fields.join(u'>'));
}

// The first line of each key, and the keys that stand more than once.
struct KeyIndex {
    QHash<QString, qsizetype> firstAt;
    QList<qsizetype> order; // the first lines, in file order
};

KeyIndex indexKeys(const QStringList& lines, const std::function<bool(const QString&)>& wanted,
                   RecordFindings* findings) {
    KeyIndex index;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString key = LeadingKey(lines.at(i));
        if (key.isEmpty() || !wanted(key))
            continue;
        const auto first = index.firstAt.constFind(key);
        if (first == index.firstAt.constEnd()) {
            index.firstAt.insert(key, i);
            index.order.append(i);
            continue;
        }
        if (findings) {
            if (!findings->repeated.contains(key))
                findings->repeated.append(key);
            if (lines.at(i) != lines.at(*first))
                findings->dropsText = true;
        }
    }
    return index;
}

std::optional<QString> lineOf(const QStringList& lines, const KeyIndex& index, const QString& key) {
    const auto at = index.firstAt.constFind(key);
    if (at == index.firstAt.constEnd())
        return std::nullopt;
    return lines.at(*at);
}

bool hasText(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!field.isEmpty())
            return true;
    }
    return false;
}

// Fields in the order the keys are asked for; the file's order was not that.
bool outOfOrder(const KeyIndex& index, const QStringList& keysInOrder) {
    qsizetype last = -1;
    for (const QString& key : keysInOrder) {
        const auto at = index.firstAt.constFind(key);
        if (at == index.firstAt.constEnd())
            continue;
        if (*at < last)
            return true;
        last = *at;
    }
    return false;
}

} // namespace

bool RecordFindings::needsRewrite() const {
    return !missing.isEmpty() || !repeated.isEmpty() || !shorter.isEmpty() || !longer.isEmpty() ||
           !malformed.isEmpty() || outOfOrder;
}

QString LeadingKey(const QString& line) {
    if (line.size() < 5 || line.at(0) != u'#' || line.at(4) != u'#')
        return {};
    return line.mid(1, 3).toUpper();
}

PaperRecordsReading ReadPaperRecordsByKey(const QStringList& fileLines, int paperCount,
                                          const QStringList& templateLines) {
    auto isPaper = [paperCount](const QString& key) {
        bool ok = false;
        const int n = key.toInt(&ok);
        return ok && n >= 101 && n <= 100 + paperCount;
    };
    PaperRecordsReading reading;
    RecordFindings& f = reading.findings;
    const KeyIndex file = indexKeys(fileLines, isPaper, &f);
    const KeyIndex templ = indexKeys(templateLines, isPaper, nullptr);

    QStringList keys;
    for (int n = 101; n <= 100 + paperCount; ++n)
        keys << QString::number(n);
    f.outOfOrder = outOfOrder(file, keys);

    for (const QString& key : keys) {
        const std::optional<QString> t = lineOf(templateLines, templ, key);
        const bool templateKnown = t && wellFormed(*t);
        const QString fallback = templateKnown ? *t : u'#' + key + u'#';
        const std::optional<QString> found = lineOf(fileLines, file, key);
        if (!found) {
            // A paper its template lacks as well has nothing to lose.
            if (t)
                f.missing << key;
            reading.lines << fallback;
            continue;
        }
        if (!wellFormed(*found)) {
            f.malformed << key;
            f.dropsText = true;
            reading.lines << fallback;
            continue;
        }
        QStringList fields = fieldsOf(*found);
        const qsizetype wanted = templateKnown ? fieldsOf(*t).size() : fields.size();
        if (fields.size() < wanted) {
            f.shorter << key;
            while (fields.size() < wanted)
                fields << QString();
            reading.lines << recordLine(key, fields);
        } else if (fields.size() > wanted) {
            f.longer << key;
            if (hasText(fields.mid(wanted)))
                f.dropsText = true;
            reading.lines << recordLine(key, fields.mid(0, wanted));
        } else {
            reading.lines << *found;
        }
    }
    return reading;
}

SummaryReading ReadSummaryByKey(const QStringList& fileLines, int paperCount,
                                const QStringList& templateLines) {
    auto isRow = [](const QString& key) {
        return std::find(kSummaryKeys.begin(), kSummaryKeys.end(), key) != kSummaryKeys.end();
    };
    SummaryReading reading;
    RecordFindings& f = reading.findings;
    const KeyIndex file = indexKeys(fileLines, isRow, &f);
    const KeyIndex templ = indexKeys(templateLines, isRow, nullptr);
    f.outOfOrder = outOfOrder(file, QStringList(kSummaryKeys.begin(), kSummaryKeys.end()));
    for (const QString& key : f.repeated)
        reading.rowDamaged[std::find(kSummaryKeys.begin(), kSummaryKeys.end(), key) -
                           kSummaryKeys.begin()] = true;

    for (std::size_t r = 0; r < kSummaryKeys.size(); ++r) {
        const QString& key = kSummaryKeys[r];
        const std::optional<QString> t = lineOf(templateLines, templ, key);
        const QStringList templateFields = t && wellFormed(*t) ? fieldsOf(*t) : QStringList();
        auto defaultAt = [&](qsizetype j) {
            return templateFields.value(j, r >= kFirstFlagRow ? QStringLiteral("0") : QString());
        };
        QStringList fields;
        const std::optional<QString> found = lineOf(fileLines, file, key);
        if (!found) {
            f.missing << key;
            reading.rowDamaged[r] = true;
        } else if (!wellFormed(*found)) {
            f.malformed << key;
            f.dropsText = true;
            reading.rowDamaged[r] = true;
        } else {
            fields = fieldsOf(*found);
            if (fields.size() < paperCount) {
                f.shorter << key;
                reading.rowDamaged[r] = true;
            } else if (fields.size() > paperCount) {
                f.longer << key;
                reading.rowDamaged[r] = true;
                if (hasText(fields.mid(paperCount)))
                    f.dropsText = true;
                fields = fields.mid(0, paperCount);
            }
        }
        while (fields.size() < paperCount)
            fields << defaultAt(fields.size());
        reading.rows[r] = fields;
    }
    return reading;
}

QStringList TrendEntries(const QStringList& fileLines) {
    for (const QString& line : fileLines) {
        if (LeadingKey(line) == u"TRD")
            return wellFormed(line) ? fieldsOf(line) : QStringList();
    }
    return {};
}

} // namespace orvanta
