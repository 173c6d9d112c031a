#pragma once
// Serial numbers as data, without a file: one label a number from FROM to
// TO, each written as wide as FROM was typed ("0007" to "0012" gives 0007,
// 0008, ..., 0012). A label's one field, {1}, is its number, and so is its
// one line.

#include "model/DataSource.h"

class SerialSource : public DataSource {
public:
    // At most this many numbers in a range.
    static constexpr qint64 MaxNumbers = 10'000'000;

    // Why FROM and TO as typed make no range (not whole numbers, FROM above
    // TO, more than MaxNumbers numbers), or empty.
    static QString rangeProblem(const QString& from, const QString& to);

    SerialSource() = default;
    // A range that rangeProblem accepts.
    SerialSource(const QString& from, const QString& to);

    bool isPresent(const QString&) const override { return true; }
    // Serial numbers read no file: the name is ignored.
    bool load(const QString&, QString*) override { return true; }
    qint32 labelCount() const override { return count_; }
    bool hasContent() const override { return count_ > 0; }
    void appendLabel(qint32 index, QStringList& lines) const override;
    void appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const override;
    void appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const override;

    // The number of label `index` as it is printed.
    QString numberText(qint32 index) const;

private:
    qint64 first_ = 0;
    qint32 count_ = 0;
    int width_ = 0;
};
