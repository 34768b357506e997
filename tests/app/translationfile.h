#pragma once

#include <QString>

#include <vector>

// One message of a Qt Linguist file: its key (context, German source text, comment) and its
// translation.
struct TranslatedText {
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool finished = false;

    bool sameKey(const TranslatedText& other) const {
        return context == other.context && source == other.source && comment == other.comment;
    }
};

// The messages of the .ts file at `path`; empty when it cannot be read.
std::vector<TranslatedText> readTranslationFile(const QString& path);

// The program's English translation as the repository holds it.
QString englishTranslationFile();
