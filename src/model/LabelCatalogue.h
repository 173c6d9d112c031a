#pragma once
// The label catalogue: the XML files in which label makers' sheets are listed
// by brand and part number (on Debian the package glabels-data installs them
// in /usr/share/libglabels-3.0/templates). Gorvin reads the rectangular
// sheets with a single regular grid from it, so that a template can be made
// from the code printed on the box.
//
// A catalogue file is one of
//   <Glabels-templates>    <Template brand part size [width height]
//                            _description|description | equiv> ... </Template>
//   <Glabels-paper-sizes>  <Paper-size id width height/> ...
// Any other file in the folder (vendors, categories) is passed over.
// Lengths carry a unit: pt, in, mm, cm or pc; a bare number is in points.
//
// Problems are written to the error log as entry 12, without beep or box:
// a file that is not well-formed XML is skipped as a whole; a product whose
// lengths cannot be read, whose paper is unknown, or whose "equiv" names a
// product that is not there is skipped alone. Nothing in a catalogue file
// can stop the program.

#include "model/Units.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

class TTEMPLATE;

// One label sheet of the catalogue, its lengths converted to MU.
struct LabelProduct {
    QString brand;
    QString part;
    QString description;
    // The product whose sheet this one is ("equiv"), empty for its own.
    QString equivalentOf;
    QString paperId;   // "US-Letter", "A4", ... or "Other"
    QString paperName; // as the catalogue names it, e.g. "US Letter"
    MU paperWidth = 0;
    MU paperHeight = 0;
    qint32 numAcross = 0;
    qint32 numDown = 0;
    MU Left = 0;
    MU Top = 0;
    MU labelWidth = 0;
    MU labelHeight = 0;
    MU hGap = 0;
    MU vGap = 0;

    // "Avery 5160"
    QString title() const;
    // Puts the sheet's grid into a template: labels across and down, the
    // margins, the label size and the gaps. The paper size is left alone.
    void applyGrid(TTEMPLATE& t) const;
};

// A catalogue length ("2.625in", "12.7mm", "36", ...) in MU, to the nearest
// MU (halves to even), converted straight from the catalogue's unit. None
// when the text is no length or does not fit in 32 bits.
std::optional<MU> catalogueLengthToMu(QStringView text);

// True when every word of the filter (words split at blanks) occurs, in any letter case, in the
// product's brand, part or description. An empty filter matches everything.
bool productMatches(const LabelProduct& product, const QString& filter);

// The paper sizes known without the catalogue's own paper list.
std::optional<std::pair<MU, MU>> builtInPaperSize(const QString& id);

class LabelCatalogue {
public:
    // The error log number of catalogue problems.
    static constexpr std::int32_t LogNumber = 12;
    // The Debian package that provides the catalogue.
    static QString packageName() { return QStringLiteral("glabels-data"); }
    // Where the catalogue is looked for: libglabels-3.0/templates in the
    // installed data folders (XDG_DATA_HOME, then XDG_DATA_DIRS, normally
    // /usr/local/share and /usr/share); the usual system folder when it is
    // in none of them.
    static QString defaultFolder();

    // Reads every catalogue file of the folder, replacing what was read
    // before. False when the folder holds no catalogue file at all.
    bool read(const QString& folder);

    const QString& folder() const { return folder_; }
    // The sheets offered, by brand and then part (numbers in number order).
    const std::vector<LabelProduct>& products() const { return products_; }
    // The product of the brand with the part number, case-insensitive.
    const LabelProduct* find(const QString& brand, const QString& part) const;
    // How many catalogue files were read and how many skipped as malformed.
    int filesRead() const { return filesRead_; }
    int filesSkipped() const { return filesSkipped_; }
    // Products of other shapes, with several layouts, or whose grid does not
    // fit on their paper: listed in the catalogue, not offered.
    int notOffered() const { return notOffered_; }
    // Every problem written to the error log by the last read.
    const QStringList& problems() const { return problems_; }

private:
    void report(const QString& text);

    QString folder_;
    std::vector<LabelProduct> products_;
    QStringList problems_;
    int filesRead_ = 0;
    int filesSkipped_ = 0;
    int notOffered_ = 0;
};
