#include "page_check.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QUrl>

#include <optional>

namespace orvanta {
namespace {

struct LineEnds {
    int bare = 0;  // lines ended by a lone LF or CR
    int first = 0; // 1-based line of the first, 0 when none
};

LineEnds scanLineEnds(const QByteArray& bytes) {
    LineEnds ends;
    int line = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            ++i;
        } else if (c == '\n' || c == '\r') {
            ++ends.bare;
            if (ends.first == 0)
                ends.first = line;
        } else {
            continue;
        }
        ++line;
    }
    return ends;
}

// Lines split at LF with any CR before it removed, so that a page with wrong
// line ends is still read for its other faults.
QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

struct HeaderBlock {
    QMap<QByteArray, QByteArray> fields; // lower-case name -> value (the first one wins)
    qsizetype next = 0;                  // the line after the empty line that ends the block
};

// The header block starting at line `from`, folded lines unfolded; nothing
// when no empty line ends it before line `end`.
std::optional<HeaderBlock> readHeaders(const QList<QByteArray>& lines, qsizetype from,
                                       qsizetype end) {
    HeaderBlock block;
    QByteArray name;
    for (qsizetype i = from; i < end; ++i) {
        const QByteArray& line = lines.at(i);
        if (line.isEmpty()) {
            block.next = i + 1;
            return block;
        }
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            block.fields[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            name.clear();
            continue;
        }
        name = line.left(colon).trimmed().toLower();
        if (!block.fields.contains(name))
            block.fields.insert(name, line.mid(colon + 1).trimmed());
        else
            name = "\n"; // a repeated header: its folded lines belong to no field
    }
    return std::nullopt;
}

struct ContentType {
    QByteArray mediaType; // lower case, "text/html"
    QMap<QByteArray, QByteArray> parameters;
};

ContentType parseContentType(const QByteArray& value) {
    QList<QByteArray> pieces;
    QByteArray piece;
    bool inQuotes = false;
    for (char c : value) {
        if (c == '"')
            inQuotes = !inQuotes;
        if (c == ';' && !inQuotes) {
            pieces.append(piece.trimmed());
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.append(piece.trimmed());
    ContentType type;
    type.mediaType = pieces.takeFirst().toLower();
    for (const QByteArray& parameter : pieces) {
        const qsizetype equals = parameter.indexOf('=');
        if (equals <= 0)
            continue;
        QByteArray v = parameter.mid(equals + 1).trimmed();
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
            v = v.mid(1, v.size() - 2);
        type.parameters.insert(parameter.left(equals).trimmed().toLower(), v);
    }
    return type;
}

struct Part {
    int number = 0; // 1-based
    HeaderBlock headers;
    QByteArray body; // lines joined with CR LF, still encoded
    ContentType type;
    QByteArray encoding;
    QByteArray location;
};

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Decodes a quoted-printable body; nothing when an "=" is followed by neither
// two hexadecimal digits nor the end of the line.
std::optional<QByteArray> decodeQuotedPrintable(const QByteArray& body) {
    QByteArray out;
    const QList<QByteArray> lines = body.split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QByteArray line = lines.at(l);
        if (line.endsWith('\r'))
            line.chop(1);
        bool softBreak = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) != '=') {
                out += line.at(i);
                continue;
            }
            if (line.mid(i + 1).trimmed().isEmpty()) {
                softBreak = true;
                break;
            }
            if (i + 2 >= line.size() || !isHex(line.at(i + 1)) || !isHex(line.at(i + 2)))
                return std::nullopt;
            out += static_cast<char>(line.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        }
        if (!softBreak && l + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

std::optional<QByteArray> decodeBody(const Part& part, QStringList& faults) {
    const QByteArray& encoding = part.encoding;
    if (encoding == "quoted-printable") {
        auto decoded = decodeQuotedPrintable(part.body);
        if (!decoded)
            faults << QStringLiteral("Part %1 is not valid quoted-printable: an \"=\" is not "
                                     "followed by two hexadecimal digits (write \"=3D\" for "
                                     "\"=\").")
                          .arg(part.number);
        return decoded;
    }
    if (encoding == "base64") {
        QByteArray compact;
        for (char c : part.body) {
            if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
                compact += c;
        }
        auto decoded =
            QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            faults << QStringLiteral("Part %1 is not valid base64.").arg(part.number);
            return std::nullopt;
        }
        return *decoded;
    }
    if (encoding.isEmpty() || encoding == "7bit" || encoding == "8bit" || encoding == "binary")
        return part.body;
    faults << QStringLiteral("Part %1 has the unknown Content-Transfer-Encoding \"%2\".")
                  .arg(part.number)
                  .arg(QString::fromLatin1(encoding));
    return std::nullopt;
}

bool isFileUrl(const QByteArray& location) {
    return location.trimmed().toLower().startsWith("file:");
}

bool hasVisibleText(const QByteArray& html) {
    static const QRegularExpression hidden(QStringLiteral("<(head|script|style)\\b.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression space(QStringLiteral("(&nbsp;|\\s)+"));
    QString text = QString::fromLatin1(html);
    text.remove(hidden).remove(tag).remove(space);
    return !text.isEmpty();
}

// The pictures and other sub-resources the HTML loads by src="...".
QStringList sourceReferences(const QByteArray& html) {
    static const QRegularExpression src(
        QStringLiteral("\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList references;
    auto it = src.globalMatch(QString::fromLatin1(html));
    while (it.hasNext()) {
        const auto match = it.next();
        for (int group = 1; group <= 3; ++group) {
            if (match.capturedStart(group) >= 0) {
                references << match.captured(group).trimmed();
                break;
            }
        }
    }
    return references;
}

bool archiveHolds(const QList<Part>& parts, const QUrl& base, const QString& reference) {
    if (reference.startsWith(u"cid:", Qt::CaseInsensitive)) {
        const QByteArray id = reference.mid(4).toLatin1();
        for (const Part& part : parts) {
            QByteArray partId = part.headers.fields.value("content-id").trimmed();
            if (partId.startsWith('<') && partId.endsWith('>'))
                partId = partId.mid(1, partId.size() - 2);
            if (!partId.isEmpty() && partId == id)
                return true;
        }
        return false;
    }
    const QUrl wanted = base.resolved(QUrl(reference));
    for (const Part& part : parts) {
        if (!part.location.isEmpty() &&
            base.resolved(QUrl(QString::fromLatin1(part.location))) == wanted)
            return true;
    }
    return false;
}

void checkReferences(const QList<Part>& parts, const QByteArray& html, QStringList& faults) {
    const QUrl base(QString::fromLatin1(parts.first().location));
    for (const QString& reference : sourceReferences(html)) {
        if (reference.startsWith(u"data:", Qt::CaseInsensitive))
            continue;
        if (reference.startsWith(u"file:", Qt::CaseInsensitive))
            faults << QStringLiteral("The page loads \"%1\" from a file: URL, which Qt WebEngine "
                                     "refuses.")
                          .arg(reference);
        else if (!archiveHolds(parts, base, reference))
            faults << QStringLiteral("The page shows \"%1\", but no part of the archive holds it.")
                          .arg(reference);
    }
}

QList<Part> readParts(const QList<QByteArray>& lines, qsizetype from, const QByteArray& boundary,
                      bool& closed) {
    const QByteArray delimiter = "--" + boundary;
    const QByteArray closing = delimiter + "--";
    QList<qsizetype> delimiters;
    closed = false;
    for (qsizetype i = from; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line == closing) {
            delimiters.append(i);
            closed = true;
            break;
        }
        if (line == delimiter)
            delimiters.append(i);
    }
    if (!closed && !delimiters.isEmpty())
        delimiters.append(lines.size()); // the last part runs to the end; reported apart
    QList<Part> parts;
    for (qsizetype d = 0; d + 1 < delimiters.size(); ++d) {
        Part part;
        part.number = static_cast<int>(d + 1);
        const qsizetype end = delimiters.at(d + 1);
        const auto headers = readHeaders(lines, delimiters.at(d) + 1, end);
        if (headers) {
            part.headers = *headers;
            part.body = lines.mid(headers->next, end - headers->next).join("\r\n");
        }
        part.type = parseContentType(part.headers.fields.value("content-type", "text/plain"));
        part.encoding = part.headers.fields.value("content-transfer-encoding").trimmed().toLower();
        part.location = part.headers.fields.value("content-location").trimmed();
        parts.append(part);
    }
    return parts;
}

void checkParts(const QList<Part>& parts, QStringList& faults) {
    for (const Part& part : parts) {
        if (isFileUrl(part.location))
            faults << QStringLiteral("Part %1 has the Content-Location \"%2\", a file: URL, "
                                     "which Qt WebEngine refuses; use a web address such as "
                                     "\"https://course.invalid/...\".")
                          .arg(part.number)
                          .arg(QString::fromLatin1(part.location));
    }
    const Part& root = parts.first();
    if (root.type.mediaType != "text/html") {
        faults << QStringLiteral("The first part, which the browser shows, is \"%1\", not "
                                 "text/html.")
                      .arg(QString::fromLatin1(root.type.mediaType));
    }
    std::optional<QByteArray> html;
    for (const Part& part : parts) {
        auto decoded = decodeBody(part, faults);
        if (part.number == 1)
            html = decoded;
    }
    if (root.type.mediaType != "text/html" || !html)
        return;
    if (!hasVisibleText(*html))
        faults << QStringLiteral("The HTML part shows no text.");
    checkReferences(parts, *html, faults);
}

} // namespace

std::optional<PageArchive> ReadPageArchive(const QByteArray& bytes) {
    const QList<QByteArray> lines = splitLines(bytes);
    const auto header = readHeaders(lines, 0, lines.size());
    if (!header)
        return std::nullopt;
    const ContentType type = parseContentType(header->fields.value("content-type"));
    const QByteArray boundary = type.parameters.value("boundary");
    if (type.mediaType != "multipart/related" || boundary.isEmpty())
        return std::nullopt;
    bool closed = false;
    const QList<Part> parts = readParts(lines, header->next, boundary, closed);
    if (parts.isEmpty())
        return std::nullopt;
    QStringList faults;
    const auto html = decodeBody(parts.first(), faults);
    if (!html)
        return std::nullopt;
    PageArchive archive{*html, parts.first().location, {}};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (const auto body = decodeBody(parts.at(i), faults))
            archive.resources.append({parts.at(i).location, *body});
    }
    return archive;
}

QStringList CheckQuestionPage(const QByteArray& bytes) {
    QStringList faults;
    if (bytes.isEmpty())
        return {QStringLiteral("The page is empty.")};
    const LineEnds ends = scanLineEnds(bytes);
    if (ends.bare > 0)
        faults << QStringLiteral("%1 line(s) end with a lone LF or CR, the first on line %2; "
                                 "Qt WebEngine shows only archives with CR LF line ends.")
                      .arg(ends.bare)
                      .arg(ends.first);

    const QList<QByteArray> lines = splitLines(bytes);
    const auto header = readHeaders(lines, 0, lines.size());
    if (!header) {
        faults << QStringLiteral("The page has no header block ended by an empty line.");
        return faults;
    }
    if (!header->fields.contains("mime-version"))
        faults << QStringLiteral("The page has no MIME-Version header.");
    if (isFileUrl(header->fields.value("content-location")))
        faults << QStringLiteral("The page's own Content-Location is a file: URL, which Qt "
                                 "WebEngine refuses.");
    const ContentType type = parseContentType(header->fields.value("content-type"));
    const QByteArray boundary = type.parameters.value("boundary");
    if (type.mediaType != "multipart/related" || boundary.isEmpty()) {
        faults << QStringLiteral("The page is not a multipart/related archive with a boundary "
                                 "(its Content-Type is \"%1\").")
                      .arg(QString::fromLatin1(header->fields.value("content-type")));
        return faults;
    }
    bool closed = false;
    const QList<Part> parts = readParts(lines, header->next, boundary, closed);
    if (!closed)
        faults << QStringLiteral("The archive does not end with its closing boundary line "
                                 "\"--%1--\".")
                      .arg(QString::fromLatin1(boundary));
    if (parts.isEmpty()) {
        faults << QStringLiteral("The archive holds no part between boundary lines \"--%1\".")
                      .arg(QString::fromLatin1(boundary));
        return faults;
    }
    checkParts(parts, faults);
    return faults;
}

} // namespace orvanta
