#include "commandline.h"

#include "shell/programidentity.h"
#include "shell/uilanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

void prepareParser(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Paare finden mit bis zu vier Spielern, gegen den Computer oder im Netzwerk."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool isInformationOption(const char* argument) {
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
        if (qstrcmp(argument, option) == 0)
            return true;
    return false;
}

} // namespace

void answerInformationOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!isInformationOption(argv[i]))
            continue;
        const QString option = QString::fromLocal8Bit(argv[i]);
        // Without the window system: opening a display is what a missing one would abort.
        QCoreApplication app(argc, argv);
        setUiLanguage(desktopUiLanguage());
        QCommandLineParser parser;
        prepareParser(parser);
        // The toolkit's options around it are no error here.
        parser.process({QCoreApplication::arguments().constFirst(), option});
    }
}

void refuseUnknownOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    prepareParser(parser);
    parser.process(app);
}
