#include "completionlist.h"

#include <utility>

void CompletionList::add(const QString& text) {
    if (count() >= kCapacity)
        return;
    const QString trimmed = text.trimmed();
    entries_.push_back({trimmed, trimmed.toUpper()});
    if (sorting_)
        quickSort(0, count() - 1);
}

void CompletionList::sort() {
    sorting_ = true;
    quickSort(0, count() - 1);
    std::vector<Entry> kept;
    kept.reserve(entries_.size());
    for (Entry& entry : entries_) {
        if (kept.empty() ? entry.text.isEmpty() : entry.text == kept.back().text)
            continue;
        kept.push_back(std::move(entry));
    }
    entries_ = std::move(kept);
}

// Not stable: entries equal in upper case may come out in any order, which decides which
// exact repeats end up side by side and are dropped by sort().
void CompletionList::quickSort(int lower, int upper) {
    while (lower < upper) {
        const QString pivot = entries_[size_t((lower + upper) / 2)].key;
        int i = lower;
        int j = upper;
        while (i <= j) {
            while (entries_[size_t(i)].key < pivot)
                ++i;
            while (entries_[size_t(j)].key > pivot)
                --j;
            if (i <= j)
                std::swap(entries_[size_t(i++)], entries_[size_t(j--)]);
        }
        // Recursing into the smaller part only keeps the stack shallow.
        if (j - lower < upper - i) {
            quickSort(lower, j);
            lower = i;
        } else {
            quickSort(i, upper);
            upper = j;
        }
    }
}

int CompletionList::find(const QString& prefix) const {
    const QString wanted = prefix.toUpper();
    int lower = 1;
    int upper = count();
    while (lower <= upper) {
        const int middle = (lower + upper) / 2;
        const QString start = entries_[size_t(middle - 1)].key.left(wanted.size());
        if (start == wanted)
            return middle;
        if (start > wanted)
            upper = middle - 1;
        else
            lower = middle + 1;
    }
    return 0;
}

QStringList CompletionList::texts() const {
    QStringList result;
    result.reserve(count());
    for (const Entry& entry : entries_)
        result << entry.text;
    return result;
}
