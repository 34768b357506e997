#include "desktopentry.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Characters that make a launcher split or interpret an unquoted argument.
bool needsQuoting(const QString& argument) {
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (QChar c : argument)
        if (kReserved.contains(c))
            return true;
    return false;
}

QString quoted(const QString& argument) {
    QString result = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\');
        result += c;
    }
    return result + QLatin1Char('"');
}

// Escapes for the string value of a key; these apply after the Exec quoting.
QString escapedValue(const QString& value) {
    QString result;
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            result += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            result += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            result += QStringLiteral("\\r");
        else
            result += c;
    }
    return result;
}

} // namespace

QString desktopExecValue(const QString& executablePath) {
    QString argument = executablePath;
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return escapedValue(needsQuoting(argument) ? quoted(argument) : argument);
}

// TryExec lets menus hide the entry once the program has been removed.
QString desktopEntryText(const QString& executablePath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Sorbello\n"
                          "Comment=Link by Vuko\n"
                          "Exec=%1\n"
                          "TryExec=%2\n"
                          "Icon=sorbello\n"
                          "Terminal=false\n"
                          "Categories=Game;CardGame;\n")
        .arg(desktopExecValue(executablePath), escapedValue(executablePath));
}

bool writeDesktopEntry(const QString& linkPath, const QString& executablePath) {
    if (!QDir().mkpath(QFileInfo(linkPath).path()))
        return false;
    QSaveFile file(linkPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(desktopEntryText(executablePath).toUtf8());
    if (!file.commit())
        return false;
    return QFile::setPermissions(linkPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
}

void removeOwnDesktopEntry(const QString& path) {
    QFile file(path);
    // Ours are a few hundred bytes; a larger file is someone else's.
    if (file.size() > 4096 || !file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (lines.contains("Comment=Link by Vuko"))
        QFile::remove(path);
}
