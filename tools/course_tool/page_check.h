#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

// Question pages are MHTML archives (multipart/related, RFC 2557) shown by
// Qt WebEngine from a ".mht" file.
namespace orvanta {

// What keeps `bytes` from showing as a question page, one sentence each;
// empty when the page is sound:
//   - a header block with MIME-Version and Content-Type multipart/related
//     with a boundary, the parts between boundary lines, the closing boundary;
//   - the first part (the one the browser shows) is HTML with some text;
//   - every line ends with CR LF (Qt WebEngine refuses other archives);
//   - no Content-Location is a file: URL (Qt WebEngine refuses those);
//   - quoted-printable and base64 bodies are well formed;
//   - every picture the HTML shows (src="...") is a part of the archive.
QStringList CheckQuestionPage(const QByteArray& bytes);

// What a page archive holds, decoded: the HTML of its first part and the
// bytes of every further part by its Content-Location.
struct PageArchive {
    QByteArray html;                                    // the first part's body, decoded
    QByteArray htmlLocation;                            // the first part's Content-Location
    QList<std::pair<QByteArray, QByteArray>> resources; // (Content-Location, decoded bytes)
};

// The content of the archive in `bytes`; nothing when it has no
// multipart/related structure or its first part cannot be decoded (a part
// after the first that cannot be decoded is left out).
std::optional<PageArchive> ReadPageArchive(const QByteArray& bytes);

} // namespace orvanta
