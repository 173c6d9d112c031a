#pragma once
// Text data: the file's lines, a label being a block of lines up to an empty
// line (see LabelIndex).

#include "model/DataSource.h"

class TextBlockSource : public DataSource {
public:
    TextBlockSource() = default;
    // The labels of lines already held.
    explicit TextBlockSource(const DataLines& lines);

    bool load(const QString& path, QString* error) override;
    qint32 labelCount() const override { return index_.count(); }
    bool hasContent() const override { return !lines_.isEmpty(); }
    void appendLabel(qint32 index, QStringList& lines) const override;
    void appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const override;
    // A block's lines are its fields.
    void appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const override;
    DataLines textLines() const override { return lines_; }
    // Judged when a file is read, not for lines given.
    bool looksLikeTableInDisguise() const override { return disguised_; }

private:
    DataLines lines_;
    LabelIndex index_;
    bool disguised_ = false;
};
