#include "app_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace orvanta {

AppFolder::AppFolder(QString path)
    : path_(QDir::cleanPath(std::move(path))) {}

AppFolder AppFolder::fromEnvironment() {
    const QString home = qEnvironmentVariable("ORVANTA_HOME");
    if (!home.isEmpty())
        return AppFolder(QDir(home).absolutePath());
    return AppFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString AppFolder::file(const QString& name) const {
    return path_ + u'/' + name;
}

QString AppFolder::graphicsFolder() const {
    return file(QStringLiteral("Graphics"));
}

QString AppFolder::graphicsFile(const QString& name) const {
    return graphicsFolder() + u'/' + name;
}

QString AppFolder::courseScratchFile() const {
    return file(QStringLiteral("temptext30000.txt"));
}

QString AppFolder::tableScratchFile() const {
    return file(QStringLiteral("temptext.txt"));
}

QString AppFolder::pageFile(const QString& questionNumber) const {
    return file(QStringLiteral("temppaper") + questionNumber + QStringLiteral(".mht"));
}

bool AppFolder::ensureExists() const {
    return QDir().mkpath(path_);
}

} // namespace orvanta
