#pragma once

#include <QString>
#include <QStringList>

// The names ever typed into the new-game dialog, kept in a text file: one name per line,
// each ended by CR LF, in the Windows code page.
class PlayerNameList {
public:
    // Further lines of the file and further names are ignored.
    static constexpr int kMaxNames = 100;

    explicit PlayerNameList(QString filePath);

    // Replaces the list with the file's lines; a missing or unreadable file leaves it empty.
    void load();
    // Writes the whole list anew; false when the file could not be replaced.
    bool save() const;
    // Compares upper-cased by the locale's rules, so müller and MÜLLER are equal.
    bool contains(const QString& text) const;
    // An empty text, or a name beyond the limit, is not added.
    void add(const QString& text);

    const QStringList& names() const { return names_; }
    int count() const { return static_cast<int>(names_.size()); }

private:
    QString filePath_;
    QStringList names_;
};
