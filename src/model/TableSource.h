#pragma once
// Table data: one label a row, laid out by the job's table settings (see
// LabelLayout), the first row taken as column names when chosen or when it
// looks like names.

#include "model/DataSource.h"
#include "model/DataTable.h"

class TableSource : public DataSource {
public:
    bool load(const QString& path, QString* error) override;
    qint32 labelCount() const override;
    bool hasContent() const override { return table_.rowCount() > 0; }
    void appendLabel(qint32 index, QStringList& lines) const override;
    void appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const override;
    // A row's columns, the names row skipped.
    void appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const override;

    bool usesTableSettings() const override { return true; }
    void applyTableSettings(const TableSettings& settings, HeaderChoice header) override;
    const DataTable* table() const override { return &table_; }
    bool hasColumnNames() const override { return names_; }
    QStringList columnNames() const override;

    QString headerNote() const override;
    QString layoutProblem() const override { return layoutProblem_; }
    QStringList missingFields() const override { return missingFields_; }
    QString readingNote() const override { return table_.note(); }

private:
    // The row a label is made of: the names row is skipped.
    int rowOf(qint32 index) const { return index + (names_ ? 1 : 0); }

    DataTable table_;
    bool names_ = false;
    bool namesDetected_ = false;
    LabelLayout layout_;
    QString layoutProblem_;
    QStringList missingFields_;
};
