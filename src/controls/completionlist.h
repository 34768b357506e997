#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The earlier entries a name edit completes from: kept in upper-case order so a typed
// prefix is found by binary search. Positions are 1-based; 0 means "not found".
class CompletionList {
public:
    static constexpr int kCapacity = 25000;

    // Appends the trimmed text (ignored when full) and re-sorts while sorting is on.
    void add(const QString& text);
    void clear() { entries_.clear(); }
    // Lets a series of add() calls only append; sort() switches sorting on again.
    void suspendSorting() { sorting_ = false; }
    // Sorts, then drops each entry equal (with case) to the one before it and an empty
    // entry at the start.
    void sort();

    // Some entry whose upper-case form begins with the upper-cased prefix, not necessarily
    // the first in order.
    int find(const QString& prefix) const;

    int count() const { return int(entries_.size()); }
    QString at(int position) const { return entries_[size_t(position - 1)].text; }
    QStringList texts() const;

private:
    struct Entry {
        QString text;
        QString key; // upper-case form, compared while sorting and searching
    };

    void quickSort(int lower, int upper);

    std::vector<Entry> entries_;
    bool sorting_ = true;
};
