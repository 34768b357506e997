#include "uilanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

UiLanguage current = UiLanguage::German;
// Owned by the application, so that none outlives it.
QPointer<QTranslator> programTexts;
QPointer<QTranslator> qtTexts;

QString codeOf(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("de");
}

// A translator of `file` installed in the application, or none when it cannot be read.
QTranslator* installed(const QString& file, const QString& directory) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

UiLanguage preferredUiLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::English)
            return UiLanguage::English;
        if (language == QLocale::German)
            return UiLanguage::German;
    }
    return UiLanguage::German;
}

UiLanguage desktopUiLanguage() {
    return preferredUiLanguage(QLocale::system().uiLanguages());
}

void setUiLanguage(UiLanguage language) {
    delete programTexts;
    delete qtTexts;
    current = language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    qtTexts = installed(QStringLiteral("qtbase_") + codeOf(language), qtFolder);
    if (language != UiLanguage::German)
        programTexts = installed(QStringLiteral("sorbello_") + codeOf(language), QStringLiteral(":/i18n"));
}

UiLanguage uiLanguage() {
    return current;
}

QString localisedResource(const QString& path) {
    if (current == UiLanguage::German)
        return path;
    const QFileInfo file(path);
    const QString localised = file.path() + u'/' + codeOf(current) + u'/' + file.fileName();
    return QFileInfo::exists(localised) ? localised : path;
}
