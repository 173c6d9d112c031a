#pragma once
// Which of the data's labels are printed: a list such as "2-5,9" of label
// numbers as the data counts them (table rows without the names row, text
// blocks, serial numbers; the first is 1). The chosen labels are printed
// packed, in data order, from the start position.

#include <QString>

#include <optional>
#include <vector>

class LabelChoice {
public:
    // Reads a list of numbers and ranges separated by commas ("2-5,9",
    // blanks allowed) against the data's label count. Nothing, with *error
    // saying why, when the list is empty, malformed or names a label outside
    // 1..labelCount. Overlapping ranges are merged; the labels print in data
    // order whatever the list's order.
    static std::optional<LabelChoice> parse(const QString& text, qint32 labelCount, QString* error);

    // How many labels are chosen.
    qint32 count() const { return count_; }
    // The data index (from 0) of the k-th chosen label (0 <= k < count()).
    qint32 labelAt(qint32 k) const;
    // The list as the user reads it ("2-5, 9").
    QString text() const;

private:
    struct Range {
        qint32 first; // data indexes, from 0, inclusive
        qint32 last;
        qint32 before; // chosen labels in the ranges before this one
    };
    std::vector<Range> ranges_;
    qint32 count_ = 0;
};
