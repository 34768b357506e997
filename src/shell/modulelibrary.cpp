#include "modulelibrary.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLoggingCategory>

// Debug lines (each place looked in) only on request: QT_LOGGING_RULES="sorbello.modules.debug=true".
Q_LOGGING_CATEGORY(lcModules, "sorbello.modules", QtWarningMsg)

namespace {
QStringList& extraFolders() {
    static QStringList folders;
    return folders;
}
} // namespace

void addModuleFolder(const QString& folder) {
    extraFolders().append(folder);
}

QStringList moduleCandidates(const QString& fileName) {
    QStringList files;
    for (const QString& folder : extraFolders())
        files << folder + QLatin1Char('/') + fileName;
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The install folder's place relative to the program is fixed at build time.
    files << programFolder + QStringLiteral("/" SORBELLO_MODULE_FOLDER "/") + fileName
          << programFolder + QLatin1Char('/') + fileName;
    return files;
}

QFunctionPointer resolveModuleFunction(const QStringList& files, const char* symbol) {
    for (const QString& file : files) {
        // Stays loaded when `library` goes: the module's code must outlive what it made.
        QLibrary library(file);
        if (!library.load()) {
            qCDebug(lcModules) << library.errorString();
            continue;
        }
        if (const QFunctionPointer function = library.resolve(symbol))
            return function;
        qCWarning(lcModules) << file << "has no" << symbol;
    }
    qCWarning(lcModules) << "no module with" << symbol << "found in" << files;
    return nullptr;
}
