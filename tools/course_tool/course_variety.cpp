#include "course_variety.h"

#include "page_check.h"
#include "record_text.h"

#include "data/cp1252.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace orvanta {
namespace {

using RE = QRegularExpression;
constexpr int kFrameWords = 5;

QStringList capturesOf(const RE& re, const QString& text) {
    QStringList out;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

// Replaces the first match of `re` in `text` only.
QString replaceFirst(const QString& text, const RE& re, const QString& with) {
    const auto match = re.match(text);
    if (!match.hasMatch())
        return text;
    QString out = text;
    return out.replace(match.capturedStart(), match.capturedLength(), with);
}

// The named character references the pages use, and the common ones beside them.
const QHash<QString, char32_t>& namedReferences() {
    static const QHash<QString, char32_t> names = {
        {"amp", U'&'},      {"lt", U'<'},      {"gt", U'>'},       {"quot", U'"'},
        {"apos", U'\''},    {"nbsp", 0xa0},    {"minus", 0x2212},  {"times", 0xd7},
        {"divide", 0xf7},   {"deg", 0xb0},     {"sup1", 0xb9},     {"sup2", 0xb2},
        {"sup3", 0xb3},     {"rsquo", 0x2019}, {"lsquo", 0x2018},  {"ldquo", 0x201c},
        {"rdquo", 0x201d},  {"ndash", 0x2013}, {"mdash", 0x2014},  {"pound", 0xa3},
        {"euro", 0x20ac},   {"frac12", 0xbd},  {"frac14", 0xbc},   {"frac34", 0xbe},
        {"hellip", 0x2026}, {"middot", 0xb7},  {"bull", 0x2022},   {"copy", 0xa9},
        {"eacute", 0xe9},   {"egrave", 0xe8},  {"aacute", 0xe1},   {"ouml", 0xf6},
        {"uuml", 0xfc},     {"auml", 0xe4},    {"ccedil", 0xe7},   {"iacute", 0xed},
        {"larr", 0x2190},   {"rarr", 0x2192},  {"uarr", 0x2191},   {"darr", 0x2193},
        {"le", 0x2264},     {"ge", 0x2265},    {"ne", 0x2260},     {"plusmn", 0xb1},
        {"check", 0x2713},  {"cross", 0x2717}, {"hearts", 0x2665}, {"star", 0x2606},
    };
    return names;
}

// Character references resolved: numeric ones and the named ones above; any
// other text stays as it is.
QString unescaped(const QString& text) {
    static const RE reference(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[A-Za-z][A-Za-z0-9]*);"));
    QString out;
    qsizetype at = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        out += text.mid(at, match.capturedStart() - at);
        const QString name = match.captured(1);
        std::optional<char32_t> code;
        if (name.startsWith(u"#x") || name.startsWith(u"#X"))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(u'#'))
            code = name.mid(1).toUInt();
        else if (namedReferences().contains(name))
            code = namedReferences().value(name);
        if (code && *code > 0 && *code <= 0x10ffff)
            out += QString::fromUcs4(&*code, 1);
        else
            out += match.captured(0);
        at = match.capturedEnd();
    }
    return out + text.mid(at);
}

QString asciiWithReplacement(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar(0xfffd);
    return out;
}

bool isUpperAscii(QChar c) {
    return c >= u'A' && c <= u'Z';
}

} // namespace

QString WordsOf(const QString& fragment) {
    static const RE drawnFraction(
        QStringLiteral("<span class=\"fr\"><span>([^<]+)</span><span>([^<]+)</span></span>"));
    static const RE blank(QStringLiteral("<span class=\"blank\">[^<]*</span>"));
    static const RE label(QStringLiteral("<span class=\"lbl\">\\([a-t]\\)</span>"));
    static const RE tag(QStringLiteral("<[^>]+>"));
    static const RE space(QStringLiteral("\\s+"));
    QString text = fragment;
    text.replace(drawnFraction, QStringLiteral(" \\1/\\2 "));
    text.replace(blank, QStringLiteral(" ___ "));
    text.replace(label, QStringLiteral(" "));
    text.replace(tag, QStringLiteral(" "));
    text = unescaped(text);
    text.replace(QChar(0xa0), u' ').replace(QChar(0x2019), u'\'');
    return text.replace(space, QStringLiteral(" ")).trimmed();
}

QuestionView ViewOfPage(int number, const QString& html, const QStringList& pictures) {
    QuestionView view;
    view.number = number;
    view.pictures = pictures;
    const qsizetype body = html.indexOf(QStringLiteral("<body>"));
    static const RE top(QStringLiteral(R"(<div class="top">(?:(?!</div>).)*</div>)"),
                        RE::DotMatchesEverythingOption);
    static const RE instruction(QStringLiteral(R"(<p class="ins">(.*?)</p>)"),
                                RE::DotMatchesEverythingOption);
    static const RE option(
        QStringLiteral(R"(<div class="opt"><span class="on">\d+</span>(.*?)</div>)"),
        RE::DotMatchesEverythingOption);
    static const RE optionBlock(
        QStringLiteral(
            R"(<div class="opts[^"]*">\s*(?:<div class="opt">(?:(?!</div>).)*</div>\s*)*</div>)"),
        RE::DotMatchesEverythingOption);
    static const RE part(
        QStringLiteral(R"(<div class="part"><span class="lbl">\([a-t]\)</span>(.*?)</div>)"),
        RE::DotMatchesEverythingOption);
    QString text = body < 0 ? html : html.mid(body + 6);
    text = replaceFirst(text, top, QStringLiteral(" "));
    QStringList instructions;
    for (const QString& fragment : capturesOf(instruction, text))
        instructions << WordsOf(fragment);
    view.instruction = instructions.join(u' ');
    text.replace(instruction, QStringLiteral(" "));
    for (const QString& fragment : capturesOf(option, text))
        view.options << WordsOf(fragment);
    text.replace(optionBlock, QStringLiteral(" "));
    for (const QString& fragment : capturesOf(part, text))
        view.parts << WordsOf(fragment);
    view.text = WordsOf(text);
    return view;
}

std::optional<QuestionView> ReadQuestionView(int number, const QByteArray& bytes) {
    const auto archive = ReadPageArchive(bytes);
    if (!archive)
        return std::nullopt;
    const QString html = cp1252::decode(archive->html);
    const QByteArray location = archive->htmlLocation;
    const qsizetype slash = location.lastIndexOf('/');
    const QByteArray base = slash < 0 ? location : location.left(slash);
    static const RE image(QStringLiteral("<img src=\"([^\"]+)\""));
    QStringList pictures;
    for (const QString& source : capturesOf(image, html)) {
        const QByteArray wanted = base + '/' + source.toLatin1();
        const auto found =
            std::find_if(archive->resources.cbegin(), archive->resources.cend(),
                         [&](const auto& resource) { return resource.first == wanted; });
        pictures << (found == archive->resources.cend() ? source
                                                        : asciiWithReplacement(found->second));
    }
    return ViewOfPage(number, html, pictures);
}

QStringList BlurredWords(const QString& text) {
    static const RE bracketed(QStringLiteral("\\([^()]*\\)"));
    static const RE titled(
        QStringLiteral("(?:Mr|Mrs|Ms|Miss|Dr|Mr\\.|Mrs\\.|Ms\\.|Dr\\.)\\s+[A-Z][a-z]+"));
    static const RE token(
        QStringLiteral("\\( \\)|[A-Za-z][A-Za-z'\\-]*|[0-9][0-9.,/:]*|[.!?]|___"));
    static const QSet<QString> names(CourseNames().cbegin(), CourseNames().cend());
    QString blurred = text;
    blurred.replace(bracketed, QStringLiteral(" ( ) "));
    blurred.replace(titled, QStringLiteral(" NAME "));
    QStringList out;
    bool sentenceStart = true;
    auto it = token.globalMatch(blurred);
    while (it.hasNext()) {
        const QString word = it.next().captured(0);
        if (word == u"." || word == u"!" || word == u"?") {
            sentenceStart = true;
            continue;
        }
        if (word == u"( )" || word == u"___")
            out << word;
        else if (word.front().isDigit())
            out << QStringLiteral("#");
        else if (word == u"NAME" || names.contains(word))
            out << QStringLiteral("NAME");
        else if (isUpperAscii(word.front()) && !sentenceStart && word != u"I")
            out << QStringLiteral("NAME");
        else
            out << word.toLower();
        sentenceStart = false;
    }
    return out;
}

QString FrameOf(const QString& text) {
    return BlurredWords(text).mid(0, kFrameWords).join(u' ');
}

QString IdentityOf(const QuestionView& view) {
    QStringList options;
    for (const QString& option : view.options)
        options << option.toLower();
    std::sort(options.begin(), options.end());
    // Unit and record separators keep the three parts apart.
    return view.text.toLower() + QChar(0x1e) + options.join(QChar(0x1f)) + QChar(0x1e) +
           view.pictures.join(QChar(0x1f));
}

const QStringList& CourseNames() {
    static const QStringList names = {
#include "course_names.inc"
    };
    return names;
}

int LetterTarget::low() const {
    return static_cast<int>(std::ceil(0.75 * parts));
}

int LetterTarget::high() const {
    return static_cast<int>(std::floor(1.25 * parts));
}

CourseInventory CourseInventory::Shipped() {
    CourseInventory inventory;
    inventory.subjects = {
        QList<LetterTarget>{{"T", 671}, {"Q", 550}, {"M", 29}, {"L", 25}},
        QList<LetterTarget>{
            {"N", 778}, {"Q", 255}, {"F", 58}, {"T", 48}, {"R", 28}, {"X", 23}, {"M", 5}},
        QList<LetterTarget>{{"Q", 510}, {"T", 434}, {"G", 104}, {"M", 11}, {"N", 11}},
    };
    return inventory;
}

namespace {

// The paper records of a subject in file order: (paper number, question numbers).
QList<std::pair<int, QList<int>>> paperRecords(const ResourceLibrary& library, int subject) {
    QList<std::pair<int, QList<int>>> papers;
    const auto bytes = library.bytes(PaperListResource(subject));
    if (!bytes)
        return papers;
    const RecordText text(*bytes);
    for (const QString& line : text.lines()) {
        const auto record = ParseRecordLine(line, 3);
        bool isPaper = false;
        const int paper = record ? record->key.toInt(&isPaper) : 0;
        if (!record || !isPaper)
            continue;
        QList<int> questions;
        for (const QString& field : record->fields) {
            bool ok = false;
            const int number = field.toInt(&ok);
            if (ok)
                questions << number;
        }
        papers.append({paper, questions});
    }
    return papers;
}

QHash<int, QStringList> typeRecords(const ResourceLibrary& library, int subject) {
    QHash<int, QStringList> types;
    const auto bytes = library.bytes(QuestionTypeResource(subject));
    if (!bytes)
        return types;
    const RecordText text(*bytes);
    for (const QString& line : text.lines()) {
        const auto record = ParseRecordLine(line, 5);
        bool ok = false;
        const int number = record ? record->key.toInt(&ok) : 0;
        if (ok && !types.contains(number))
            types.insert(number, record->fields);
    }
    return types;
}

// Counts kept in the order their keys were first seen, as the measure counts.
class OrderedCounter {
public:
    void add(const QString& key, int by = 1) {
        if (!counts_.contains(key))
            order_ << key;
        counts_[key] += by;
    }
    // The n largest counts, ties in the order first seen.
    QList<std::pair<QString, int>> mostCommon(qsizetype n) const {
        QList<std::pair<QString, int>> items;
        for (const QString& key : order_)
            items.append({key, counts_.value(key)});
        std::stable_sort(items.begin(), items.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        return n < 0 ? items : items.mid(0, n);
    }

private:
    QHash<QString, int> counts_;
    QStringList order_;
};

} // namespace

SubjectVariety MeasureVariety(const ResourceLibrary& library, int subject, const QString& name,
                              const QList<LetterTarget>* inventory) {
    SubjectVariety variety;
    variety.subject = subject;
    variety.name = name;
    auto papers = paperRecords(library, subject);
    std::stable_sort(papers.begin(), papers.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const QHash<int, QStringList> types = typeRecords(library, subject);
    QHash<QString, int> firstOf; // identity -> the question that has it first
    // A question listed again is reported by the course check as listed twice,
    // not as a repeat of itself.
    QHash<int, std::optional<QuestionView>> views;
    OrderedCounter frames;
    OrderedCounter letters;
    for (const auto& [paper, questions] : papers) {
        for (int number : questions) {
            ++variety.questions;
            for (const QString& letter : types.value(number))
                letters.add(letter);
            const bool listedBefore = views.contains(number);
            if (!listedBefore) {
                const auto bytes = library.bytes(number);
                views.insert(number, bytes ? ReadQuestionView(number, *bytes) : std::nullopt);
            }
            const std::optional<QuestionView>& view = views.value(number);
            if (!view)
                continue;
            frames.add(FrameOf(view->text));
            if (listedBefore)
                continue;
            const QString identity = IdentityOf(*view);
            const auto first = firstOf.constFind(identity);
            if (first == firstOf.cend())
                firstOf.insert(identity, number);
            else
                variety.repeats.append({first.value(), number});
        }
    }
    for (const auto& [frame, count] : frames.mostCommon(kFramesShown))
        variety.topFrames.append({frame, count});
    QList<LetterTarget> targets = inventory ? *inventory : QList<LetterTarget>{};
    for (const auto& [letter, count] : letters.mostCommon(-1)) {
        LetterCount entry{letter, count, std::nullopt};
        const auto target = std::find_if(targets.cbegin(), targets.cend(),
                                         [&](const LetterTarget& t) { return t.letter == letter; });
        if (target != targets.cend())
            entry.target = *target;
        variety.letters.append(entry);
    }
    // A letter of the inventory that the subject no longer uses counts 0.
    for (const LetterTarget& target : targets) {
        const bool used =
            std::any_of(variety.letters.cbegin(), variety.letters.cend(),
                        [&](const LetterCount& c) { return c.letter == target.letter; });
        if (!used)
            variety.letters.append({target.letter, 0, target});
    }
    return variety;
}

QString FormatVariety(const SubjectVariety& variety) {
    QString text = QStringLiteral("Variety of %1 (subject %2): %3 questions, %4 repeated\n")
                       .arg(variety.name)
                       .arg(variety.subject)
                       .arg(variety.questions)
                       .arg(variety.repeats.size());
    const double limit = kFrameShare * variety.questions;
    for (const FrameCount& frame : variety.topFrames) {
        const double share = variety.questions ? 100.0 * frame.count / variety.questions : 0.0;
        text +=
            QStringLiteral("  frame %1 (%2 %) %3%4\n")
                .arg(frame.count, 4)
                .arg(share, 0, 'f', 1)
                .arg(frame.frame, frame.count > limit ? QStringLiteral("  above 2 %") : QString());
    }
    QStringList letters;
    for (const LetterCount& count : variety.letters) {
        QString entry = QStringLiteral("%1 %2").arg(count.letter).arg(count.count);
        if (count.target)
            entry += QStringLiteral(" (%1-%2)").arg(count.target->low()).arg(count.target->high());
        letters << entry;
    }
    text += QStringLiteral("  type letters (parts): %1\n").arg(letters.join(QStringLiteral(", ")));
    return text;
}

} // namespace orvanta
