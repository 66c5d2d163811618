#include "record_text.h"

#include "data/cp1252.h"

namespace orvanta {

RecordText::RecordText(const QByteArray& bytes) {
    const QString text = cp1252::decode(bytes);
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines_.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        } else {
            ++bareLineEnds_;
            if (firstBareLineEnd_ == 0)
                firstBareLineEnd_ = static_cast<int>(lines_.size());
        }
        start = i + 1;
    }
    if (start < size)
        lines_.append(text.mid(start));
}

qsizetype RecordText::find(const QString& key, qsizetype from) const {
    const QString needle = u'#' + key + u'#';
    for (qsizetype i = from; i < lines_.size(); ++i) {
        if (lines_.at(i).contains(needle, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString RecordText::value(const QString& key) const {
    const qsizetype i = find(key);
    if (i < 0)
        return {};
    return lines_.at(i).mid(key.size() + 3);
}

std::optional<RecordLine> ParseRecordLine(const QString& line, int keyLength) {
    const qsizetype close = keyLength + 1;
    if (line.size() < close + 1 || line.at(0) != u'#' || line.at(close) != u'#')
        return std::nullopt;
    RecordLine record;
    record.key = line.mid(1, keyLength);
    for (QChar c : record.key) {
        if (!c.isLetterOrNumber() || c.unicode() > 0x7f)
            return std::nullopt;
    }
    const QString rest = line.mid(close + 1);
    if (rest.isEmpty())
        return record;
    if (rest.at(0) != u'>')
        return std::nullopt;
    record.fields = rest.mid(1).split(u'>');
    return record;
}

bool LooksLikeRecord(const QString& line) {
    return line.contains(u'#');
}

} // namespace orvanta
