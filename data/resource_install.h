#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Resources: everything the program shows or reads, addressed by number and
// written out byte for byte to a file before use.
//
//   1..92            interface pictures (38..40 unused)
//   10001..26120     question pages (MHTML)
//   30000            course description
//   30000+10S+2..5   paper lists, answer keys, question types, marks of subject S
//   30100+10S+1..6   progress file templates of subject S
namespace orvanta {

// Where resource bytes come from: the bundle compiled by rcc and registered at
// start-up (root ":/orvanta"), or any folder holding one file per resource
// named by its number alone ("DIR/10001"), as `orvanta-course export` writes.
class ResourceLibrary {
public:
    explicit ResourceLibrary(QString root);

    static QString bundledRoot();
    const QString& root() const { return root_; }

    // Path of a resource under the root (it may not exist).
    QString pathOf(int number) const;
    bool contains(int number) const;
    std::optional<QByteArray> bytes(int number) const;

private:
    QString root_;
};

// Registers the resource bundle file (built by rcc --binary) under ":/orvanta".
// The file is mapped, not read, so registering costs next to nothing.
bool RegisterResourceBundle(const QString& rccPath);

inline constexpr int kCourseDescriptionResource = 30000;
inline constexpr int PaperListResource(int subject) {
    return 30000 + 10 * subject + 2;
}
inline constexpr int AnswerKeyResource(int subject) {
    return 30000 + 10 * subject + 3;
}
inline constexpr int QuestionTypeResource(int subject) {
    return 30000 + 10 * subject + 4;
}
inline constexpr int MarkResource(int subject) {
    return 30000 + 10 * subject + 5;
}

// Error numbers of InstallResource besides errno values of the file system.
inline constexpr quint32 kInstallOk = 0;
inline constexpr quint32 kResourceNotFound = 1001;
inline constexpr quint32 kUnknownResourceType = 1002;

// Writes resource `number` of type "CUSTOM" to `targetPath`, byte for byte,
// through a temporary file renamed over the target, so a failure never leaves
// a half-written target. Returns 0, or a non-zero error number (an errno of
// the file system, kResourceNotFound, kUnknownResourceType); creates no file
// on failure and shows nothing. Progress files need Durable; scratch tables
// and page files, which are written again whenever needed, use Scratch.
// Refresh is Scratch for files that usually exist already (the pictures at
// every start): a target holding exactly the resource's bytes is left as it
// is, which spares a write and a rename per file.
enum class InstallKind { Durable, Scratch, Refresh };
quint32 InstallResource(const ResourceLibrary& library, int number, const QString& type,
                        const QString& targetPath, InstallKind kind = InstallKind::Durable);

// Readable text of an InstallResource error number.
QString InstallErrorText(quint32 error);

struct InterfacePicture {
    int number;
    const char* fileName;
};

// The 89 interface pictures, by resource number, with their file names in
// the "Graphics" folder (letter case as given).
const std::array<InterfacePicture, 89>& InterfacePictures();

// File name of picture resource `number`, or empty when there is none.
QString PictureFileName(int number);

} // namespace orvanta
