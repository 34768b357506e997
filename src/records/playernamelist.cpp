#include "playernamelist.h"

#include "ansitext.h"
#include "atomicfile.h"

#include <QLocale>

namespace {

// 100 names of any sensible length fit many times over; a larger file is damaged and is read
// only up to here.
constexpr qint64 kMaxFileBytes = 1 << 20;

// Compared as they will read back from the file, so a name with characters the code page lacks
// still finds itself after a save.
QString comparable(const QString& name) {
    return QLocale().toUpper(ansiRepresentable(name));
}

} // namespace

PlayerNameList::PlayerNameList(QString filePath) : filePath_(std::move(filePath)) {}

void PlayerNameList::load() {
    names_.clear();
    const std::optional<QByteArray> bytes = readFileStart(filePath_, kMaxFileBytes);
    if (!bytes)
        return;
    qsizetype start = 0;
    while (start < bytes->size() && count() < kMaxNames) {
        qsizetype end = bytes->indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes->size() : end + 1;
        if (end < 0)
            end = bytes->size();
        if (end > start && bytes->at(end - 1) == '\r')
            --end;
        names_.append(fromAnsi(QByteArrayView(*bytes).sliced(start, end - start)));
        start = next;
    }
}

bool PlayerNameList::save() const {
    QByteArray bytes;
    for (const QString& name : names_)
        bytes += toAnsi(name) + "\r\n";
    return writeFileAtomically(filePath_, bytes).written;
}

bool PlayerNameList::contains(const QString& text) const {
    const QString wanted = comparable(text);
    return std::any_of(names_.begin(), names_.end(),
                       [&](const QString& name) { return comparable(name) == wanted; });
}

void PlayerNameList::add(const QString& text) {
    if (!text.isEmpty() && count() < kMaxNames)
        names_.append(text);
}
