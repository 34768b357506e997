#include "translationfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// The text of the element just opened, with the characters lupdate writes as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QStringLiteral("value")).toString().toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == element)
            break;
    }
    return text;
}

} // namespace

std::vector<TranslatedText> readTranslationFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<TranslatedText> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = elementText(xml);
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}, false});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = elementText(xml);
        } else if (xml.name() == u"comment" && !messages.empty()) {
            messages.back().comment = elementText(xml);
        } else if (xml.name() == u"translation" && !messages.empty()) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.back().translation = elementText(xml);
            messages.back().finished = type.isEmpty();
        }
    }
    return messages;
}

QString englishTranslationFile() {
    return QStringLiteral(SORBELLO_SOURCE_DIR "/translations/sorbello_en.ts");
}
