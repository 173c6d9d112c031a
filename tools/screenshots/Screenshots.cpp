// Takes the pictures of the documentation from the program's own windows on
// the platform it is started on (offscreen or a virtual display):
//   gorvin_screenshots <folder> [picture.png ...]
// writes every picture docs/ holds, or only those named, into the folder.
// Settings, jobs and data go to a temporary folder of their own, so the
// pictures do not depend on the user's settings.

#include "app/FormMAIN.h"
#include "app/ProgramWindows.h"
#include "dialogs/FieldsDialog.h"
#include "dialogs/FormABOUT.h"
#include "dialogs/FormCALIBPRN.h"
#include "dialogs/FormFORMAT.h"
#include "dialogs/ProductChooser.h"
#include "dialogs/FormRTFHelp.h"
#include "model/DataInfo.h"
#include "model/Job.h"
#include "model/LabelCatalogue.h"
#include "model/Template.h"
#include "print/CalibrationPage.h"
#include "render/PainterCanvas.h"
#include "settings/RegistryStore.h"
#include "support/Maker.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>

namespace {

// The jobs and data files of the pictures, in a folder of a fixed name so
// that the names the pictures show stay the same from run to run.
QDir work(QDir::tempPath() + QStringLiteral("/gorvin-pictures"));

bool save(QWidget& window, const QString& file)
{
    QCoreApplication::processEvents();
    return window.grab().save(file);
}

// Runs `steps` on the modal window the next call opens; closes it after.
void whenModal(std::function<void(QDialog&)> steps)
{
    QTimer::singleShot(0, [steps = std::move(steps)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            steps(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
}

QString writeData(const QString& name, const QByteArray& bytes)
{
    const QString path = work.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// A job of the data file on the sheet `setUp` makes, saved beside it.
QString writeJob(const QString& name, const QString& data, const std::function<void(TJOB&)>& setUp)
{
    TJOB job;
    job.MAKENEWTEMPLATE(210000, 297000);
    setUp(job);
    job.JOBINFO()->SHOWBORDER = true;
    job.DATAINFO()->FULLFILENAME = data;
    const QString path = work.filePath(name);
    return job.SAVETOFILE(path) ? path : QString();
}

// The main window on the job, its preview at the scale given; `over` may
// open a window over it, drawn into the picture at its place.
bool mainWindow(const QString& job, double scale, QSize size, const QString& file,
                const std::function<QWidget*(TFormMAIN&)>& over = {})
{
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QString::number(scale));
    TFormMAIN main({job});
    const auto others = createProgramWindows(main);
    main.resize(size);
    main.show();
    QCoreApplication::processEvents();
    QImage picture = main.grab().toImage();
    if (QWidget* window = over ? over(main) : nullptr) {
        QCoreApplication::processEvents();
        const QPixmap top = window->grab();
        QPainter painter(&picture);
        painter.drawPixmap((picture.width() - top.width()) / 2, (picture.height() - top.height()) / 2, top);
    }
    main.hide();
    return picture.save(file);
}

// A job of addresses, three across and eight down on A4.
QString addressJob()
{
    const char* people[][3] = {
        {"Ada Lovelace", "12 Analytical Way", "London"},        {"Charles Babbage", "1 Difference Lane", "Cambridge"},
        {"Grace Hopper", "7 Compiler Court", "Arlington"},      {"Alan Turing", "42 Enigma Road", "Manchester"},
        {"Edsger Dijkstra", "3 Semaphore Street", "Eindhoven"}, {"Barbara Liskov", "9 Abstraction Ave", "Boston"},
        {"Donald Knuth", "64 TeX Terrace", "Stanford"},         {"Margaret Hamilton", "11 Apollo Drive", "Houston"},
        {"John Backus", "5 Fortran Place", "New York"},         {"Frances Allen", "8 Optimizer Row", "Yorktown"},
        {"Niklaus Wirth", "2 Pascal Close", "Zurich"},          {"Tony Hoare", "6 Monitor Mews", "Oxford"},
    };
    QByteArray data;
    for (int i = 0; i < 48; ++i) {
        const auto& p = people[i % 12];
        data += QByteArray(p[0]) + "\n" + p[1] + "\n" + p[2] + "\nPostcode " + QByteArray::number(1000 + i) + "\n\n";
    }
    const QString job = writeJob(QStringLiteral("addresses.GVJ"), writeData(QStringLiteral("addresses.txt"), data),
                                 [](TJOB& j) {
                                     TTEMPLATE& t = *j.TEMPLATE();
                                     t.NUMACROSS = 3;
                                     t.NUMDOWN = 8;
                                     t.MULEFT = 7000;
                                     t.MUTOP = 15000;
                                     t.MULABELWIDTH = 63500;
                                     t.MULABELHEIGHT = 33900;
                                     t.MUHGAP = 2500;
                                     j.JOBINFO()->TEXTALIGNHORIZ = 1;
                                     j.JOBINFO()->TEXTALIGNVERT = 1;
                                 });
    return job;
}

bool addressWindow(const QString& file)
{
    const QString job = addressJob();
    return !job.isEmpty() && mainWindow(job, 1.0, QSize(980, 830), file);
}

bool aboutBox(const QString& file)
{
    TFormABOUT about;
    about.show();
    const bool saved = save(about, file);
    about.hide();
    return saved;
}

bool formatDialog(const QString& file)
{
    TJOB job;
    job.MAKENEWTEMPLATE(210000, 297000);
    job.DATAINFO()->PicFileName = QStringLiteral("/home/ann/Pictures/Shop/2026/Spring/logo-with-leaves.png");
    job.JOBINFO()->SHOWBORDER = true;
    QString picDir;
    bool saved = false;
    TFormFORMAT dialog;
    whenModal([&](QDialog& open) { saved = save(open, file); });
    dialog.execute(job, picDir);
    return saved;
}

// The Fields dialog over the example of a hundred addresses, with the layout
// the README describes.
bool fieldsDialog(const QString& file)
{
    TDATAINFO data;
    data.FULLFILENAME = QStringLiteral(GORVIN_EXAMPLES_DIR "/addresses-100.csv");
    data.tableSettings().LabelLayout = QStringLiteral("{Name}\n{Company}\n{Street}\n{Zip} {City}");
    if (!data.LOADDATA())
        return false;
    bool saved = false;
    FieldsDialog dialog;
    whenModal([&](QDialog& open) { saved = save(open, file); });
    dialog.execute(data);
    return saved;
}

bool instructions(const QString& file)
{
    TFormRTFHelp help;
    if (!help.loadDocument(QStringLiteral(GORVIN_DOCS_DIR "/Gorvin02Instructions.rtf")))
        return false;
    help.resize(700, 900);
    help.show();
    const bool saved = save(help, file);
    help.hide();
    return saved;
}

// The chooser searched for "5160"; the sheet chosen is kept for the preview.
LabelProduct chosenProduct;

bool productChooser(const QString& file)
{
    if (!QFileInfo::exists(LabelCatalogue::defaultFolder())) {
        std::fprintf(stderr, "the label catalogue is not installed (package %s)\n",
                     qPrintable(LabelCatalogue::packageName()));
        return false;
    }
    ProductChooser chooser;
    bool saved = false;
    whenModal([&](QDialog& open) {
        open.resize(820, 520);
        auto* search = open.findChild<QLineEdit*>(QStringLiteral("EditSEARCH"));
        search->selectAll();
        search->insert(QStringLiteral("5160"));
        saved = save(open, file);
        if (chooser.selectProduct(QStringLiteral("Avery"), QStringLiteral("5160")))
            open.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    chooser.execute(chosenProduct);
    return saved;
}

bool productPreview(const QString& file)
{
    if (chosenProduct.numAcross == 0 && !productChooser(work.filePath(QStringLiteral("chooser.png"))))
        return false;
    if (chosenProduct.numAcross == 0)
        return false;
    const char* names[] = {"Ann Baker", "Carl Dunn", "Eve Fisher", "Gus Hale", "Ida Jones", "Kim Lowe"};
    QByteArray data;
    for (int i = 0; i < 45; ++i)
        data += QByteArray(names[i % 6]) + "\n" + QByteArray::number(12 + 7 * i) + " Orchard Lane\nSpringfield IL "
                + QByteArray::number(62701 + i % 9) + "\n\n";
    const QString job = writeJob(QStringLiteral("product.GVJ"), writeData(QStringLiteral("product.txt"), data),
                                 [](TJOB& j) {
                                     j.MAKENEWTEMPLATE(chosenProduct.paperWidth, chosenProduct.paperHeight);
                                     chosenProduct.applyGrid(*j.TEMPLATE());
                                 });
    return !job.isEmpty() && mainWindow(job, 0.68, QSize(700, 880), file);
}

// The calibration window for the print system's label queue, and the test
// page it prints, drawn at 90 pixels per inch on A4.
bool calibration(const QString& windowFile, const QString& pageFile)
{
    const QString printer = QPrinterInfo::printerInfo(QStringLiteral("LabelPDF")).isNull()
                                ? QPrinterInfo::defaultPrinter().printerName()
                                : QStringLiteral("LabelPDF");
    TFormCALIBPRN window;
    if (!window.FormShow(printer))
        return false;
    window.show();
    bool saved = windowFile.isEmpty() || save(window, windowFile);
    window.hide();
    if (!pageFile.isEmpty()) {
        QImage page(744, 1053, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            PainterCanvas canvas(&page);
            drawCalibrationPage(canvas, PrinterGeometry{90, 90, 0, 0}, window.acceptedMeasures(), window.pageTexts());
        }
        saved = page.save(pageFile) && saved;
    }
    return saved;
}

// The print dialog over the address job: pages 2 to 4, three collated copies.
bool printDialog(const QString& file)
{
    QPrinter printer;
    if (!QPrinterInfo::printerInfo(QStringLiteral("LabelPDF")).isNull())
        printer.setPrinterName(QStringLiteral("LabelPDF"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    printer.setCopyCount(3);
    printer.setCollateCopies(true);
    const QString job = addressJob();
    return !job.isEmpty() && mainWindow(job, 1.0, QSize(760, 620), file, [&](TFormMAIN& main) {
        auto* dialog = new QPrintDialog(&printer, &main); // the window's own, gone with it
        dialog->setMinMax(1, 5);
        dialog->show();
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text().contains(QStringLiteral("Options")))
                button->click(); // the copies and the range
        dialog->adjustSize();
        return dialog;
    });
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/gorvin-screenshots-XXXXXX"));
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "GORVIN_PROGRAM_FOLDER"}) {
        const QString path = home.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        qputenv(folder, QFile::encodeName(path));
    }
    QApplication app(argc, argv);
    nameApplication();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: gorvin_screenshots <folder> [picture.png ...]\n");
        return 2;
    }
    const QDir folder(arguments.takeFirst());
    work.removeRecursively();
    work.mkpath(QStringLiteral("."));

    const auto in = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)); };
    const std::map<QString, std::function<bool()>> pictures = {
        {QStringLiteral("main-window.png"), [&] { return addressWindow(in("main-window.png")); }},
        {QStringLiteral("about-box.png"), [&] { return aboutBox(in("about-box.png")); }},
        {QStringLiteral("format-dialog.png"), [&] { return formatDialog(in("format-dialog.png")); }},
        {QStringLiteral("fields-dialog.png"), [&] { return fieldsDialog(in("fields-dialog.png")); }},
        {QStringLiteral("instructions.png"), [&] { return instructions(in("instructions.png")); }},
        {QStringLiteral("product-chooser.png"), [&] { return productChooser(in("product-chooser.png")); }},
        {QStringLiteral("product-preview.png"), [&] { return productPreview(in("product-preview.png")); }},
        {QStringLiteral("calibration-window.png"), [&] { return calibration(in("calibration-window.png"), {}); }},
        {QStringLiteral("calibration-page.png"), [&] { return calibration({}, in("calibration-page.png")); }},
        {QStringLiteral("print-dialog.png"), [&] { return printDialog(in("print-dialog.png")); }},
    };
    if (arguments.isEmpty())
        for (const auto& picture : pictures)
            arguments << picture.first;
    int failed = 0;
    for (const QString& name : arguments) {
        const auto picture = pictures.find(name);
        const bool written = picture != pictures.end() && picture->second();
        std::fprintf(written ? stdout : stderr, "%s %s\n", written ? "wrote" : "could not write",
                     qPrintable(folder.filePath(name)));
        failed += written ? 0 : 1;
    }
    work.removeRecursively();
    return failed == 0 ? 0 : 1;
}
