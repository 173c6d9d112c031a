#include "FormMAIN.h"

#include "app/JobHistory.h"
#include "dialogs/FormNEWPAPER.h"
#include "print/PrintRun.h"
#include "support/Dialogs.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/Utilities.h"
#include "text/ShortFileName.h"

#include <QCoreApplication>
#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

QLabel* makeNameBar(QWidget* parent, const char* name)
{
    auto* bar = new QLabel(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setTextFormat(Qt::PlainText);
    bar->setIndent(3);
    bar->resize(100, 22);
    return bar;
}

template <class Handler>
QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption, TFormMAIN* window, Handler handler)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window, [window, action, handler] {
        window->runCommand(action->text(), [window, handler] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (window->*handler)();
            else
                handler();
        });
    });
    return action;
}

// The platform's keys for a command, or `fallback` where the platform has
// none for it (quitting, on some desktops).
void giveKeys(QAction* action, QKeySequence::StandardKey key, const QKeySequence& fallback = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && !fallback.isEmpty())
        keys.append(fallback);
    action->setShortcuts(keys);
}

} // namespace

TFormMAIN::TFormMAIN(const QStringList& commandLine, QWidget* parent)
    : BaseMainWindow(parent), commandLine_(commandLine)
{
    setObjectName(QStringLiteral("FormMAIN"));
    setWindowTitle(applicationTitle());
    resize(696, 492);
    FormCreate();
}

TFormMAIN::~TFormMAIN()
{
    // The preview goes before the job it shows: a box losing its focus as
    // the window is taken down must find no preview to tidy it.
    delete preview_;
}

void TFormMAIN::setWindows(const ProgramWindows& windows)
{
    windows_ = windows;
    preview_->setSettingsWindow(windows.settings);
}

// The paper-type dialog lives for the whole run and keeps the size last
// chosen in it, so that is the program's default paper size.
MU TFormMAIN::defaultPaperWidth() const
{
    return windows_.newPaper ? windows_.newPaper->paperWidth() : 210000;
}

MU TFormMAIN::defaultPaperHeight() const
{
    return windows_.newPaper ? windows_.newPaper->paperHeight() : 297000;
}

void TFormMAIN::FormCreate()
{
    maxScale_ = 2.0;
    minScale_ = 0.1;
    controller_ = std::make_unique<JobController>(static_cast<JobView&>(*this));

    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildTopPanel();
    layout->addWidget(panelJobName_);
    preview_ = new PreviewPanel(*controller_, panelJobName_);
    layout->addWidget(preview_, 1);
    connect(preview_, &PreviewPanel::labelMenuRequested, this, [this](QPoint position) { popup_->popup(position); });
    connect(preview_, &PreviewPanel::pictureFailed, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    labelCount_ = new QLabel(statusBar());
    labelCount_->setObjectName(QStringLiteral("LabelJOBCOUNT"));
    labelCount_->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(labelCount_);
    connect(preview_, &PreviewPanel::pageDrawn, this, &TFormMAIN::updateWindowTitle);
    updateWindowTitle();

    timerCloseSplash_ = new QTimer(this);
    timerCloseSplash_->setObjectName(QStringLiteral("TimerCLOSESPLASH"));
    timerCloseSplash_->setSingleShot(true);
    timerCloseSplash_->setInterval(500);
    timerCloseSplash_->start();
}

QString TFormMAIN::openFile(const FileRequest& request)
{
    return dialogSeam().openFile(this, request);
}

QString TFormMAIN::saveFile(const FileRequest& request)
{
    return dialogSeam().saveFile(this, request);
}

void TFormMAIN::showStatus(const QString& text)
{
    statusBar()->showMessage(text);
}

void TFormMAIN::namesChanged()
{
    PanelJOBNAMEResize();
    updateWindowTitle();
}

void TFormMAIN::sheetChanged()
{
    preview_->FITPAPER();
    preview_->showDataNumbers(); // the start and repeat numbers fit the new sheet
    updateWindowTitle();
}

// Every menu command runs here. A start or repeat number still being typed
// counts before it runs; a change it makes to the job is kept to be undone.
void TFormMAIN::runCommand(const QString& caption, const std::function<void()>& command)
{
    preview_->commitTypedNumbers();
    JobHistory& history = controller_->history();
    const JobHistory::Mark before = history.mark();
    command();
    history.record(before, QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    updateMenus();
    // Whatever the command changed shows in the title and the status line.
    updateWindowTitle();
}

// The menus set their entries' states as they open; a key chooses an entry
// without opening its menu, so the states are set after every command too.
void TFormMAIN::updateMenus()
{
    File1Click();
    Edit1Click();
    Template1Click();
    Data1Click();
}

void TFormMAIN::undoRedo(bool undo)
{
    if (printInProgress()) {
        messageSeam().warning(Messages::printBusy()); // the print reads the job as it stands
        return;
    }
    JobHistory& history = controller_->history();
    if (undo ? history.canUndo() : history.canRedo()) {
        undo ? history.undo() : history.redo();
        preview_->REFRESHPAGE();
    }
}

void TFormMAIN::zoom(int steps)
{
    // In steps of 10 %, within the scale dialog's range.
    const double scale = std::clamp((std::round(preview_->previewScale() * 10) + steps) / 10, minScale_, maxScale_);
    if (scale == preview_->previewScale())
        return;
    preview_->setPreviewScale(scale);
    preview_->FITPAPER();
    preview_->REFRESHPAGE();
}

void TFormMAIN::jobReplaced()
{
    preview_->GOTOFIRSTPAGE(false);
    preview_->showDataNumbers();
    updateWindowTitle();
}

void TFormMAIN::updateWindowTitle()
{
    if (!labelCount_)
        return; // still being built
    // A job with a sheet but no file yet is untitled; with neither, the
    // window holds no job and bears the program's name alone.
    const bool hasJob = job().TEMPLATEEXISTS() || !JOBFILENAME().isEmpty();
    if (hasJob) {
        QString name = JOBFILENAME().isEmpty() ? Messages::untitledJob() : QFileInfo(JOBFILENAME()).fileName();
        // A "[*]" of the file's own name is shown as it is, not as the mark.
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        setWindowTitle(Messages::windowTitle(name));
        setWindowModified(job().ALTERED());
    } else {
        setWindowModified(false);
        setWindowTitle(applicationTitle());
    }
    const qint32 pages = job().PAGECOUNT();
    labelCount_->setText(hasJob && pages > 0 ? Messages::labelsOnPages(job().DATAINFO()->LABELCOUNT(), pages)
                                             : QString());
}

// ---------------------------------------------------------------- menus

void TFormMAIN::buildMenus()
{
    QMenu* menuFile = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&File"));
    menuFile->setObjectName(QStringLiteral("File1"));
    addMenuEntry(menuFile, "Newjobwizard1", QCoreApplication::translate("FormMAIN", "New job &wizard..."), this,
                 &TFormMAIN::Newjobwizard1Click);
    menuFile->addSeparator();
    giveKeys(addMenuEntry(menuFile, "Openjob", QCoreApplication::translate("FormMAIN", "&Open job"), this,
                          &TFormMAIN::OpenjobClick),
             QKeySequence::Open);
    reopenJob_ = menuFile->addMenu(QCoreApplication::translate("FormMAIN", "&Reopen job"));
    reopenJob_->setObjectName(QStringLiteral("REOPENJOB"));
    giveKeys(addMenuEntry(menuFile, "Savejob", QCoreApplication::translate("FormMAIN", "&Save job"), this,
                          [this] { controller_->saveJob(); }),
             QKeySequence::Save);
    giveKeys(addMenuEntry(menuFile, "SAVEJOBAS", QCoreApplication::translate("FormMAIN", "Save job &as..."), this,
                          [this] { controller_->FNSAVEJOBAS(); }),
             QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    giveKeys(addMenuEntry(menuFile, "CLOSEJOB", QCoreApplication::translate("FormMAIN", "&Close job"), this,
                          &TFormMAIN::CLOSEJOBClick),
             QKeySequence::Close);
    menuFile->addSeparator();
    addMenuEntry(menuFile, "FORMATLABELS", QCoreApplication::translate("FormMAIN", "&Format labels..."), this,
                 &TFormMAIN::FORMATLABELSClick);
    menuFile->addSeparator();
    addMenuEntry(menuFile, "Calibrateprinter1", QCoreApplication::translate("FormMAIN", "Cali&brate printer..."), this,
                 &TFormMAIN::Calibrateprinter1Click);
    addMenuEntry(menuFile, "Setupprinter1", QCoreApplication::translate("FormMAIN", "Set &up printer..."), this,
                 &TFormMAIN::Setupprinter1Click);
    giveKeys(addMenuEntry(menuFile, "PRINTJOB", QCoreApplication::translate("FormMAIN", "&Print..."), this,
                          &TFormMAIN::PRINTJOBClick),
             QKeySequence::Print);
    menuFile->addSeparator();
    giveKeys(
        addMenuEntry(menuFile, "Exit1", QCoreApplication::translate("FormMAIN", "E&xit"), this, &TFormMAIN::Exit1Click),
        QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(menuFile, &QMenu::aboutToShow, this, &TFormMAIN::File1Click);

    QMenu* menuEdit = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&Edit"));
    menuEdit->setObjectName(QStringLiteral("Edit1"));
    undo_ = addMenuEntry(menuEdit, "Undo1", QCoreApplication::translate("FormMAIN", "&Undo"), this,
                         [this] { undoRedo(true); });
    giveKeys(undo_, QKeySequence::Undo);
    redo_ = addMenuEntry(menuEdit, "Redo1", QCoreApplication::translate("FormMAIN", "&Redo"), this,
                         [this] { undoRedo(false); });
    giveKeys(redo_, QKeySequence::Redo);
    connect(menuEdit, &QMenu::aboutToShow, this, &TFormMAIN::Edit1Click);
    connect(&controller_->history(), &JobHistory::changed, this, &TFormMAIN::Edit1Click);

    QMenu* menuTemplate = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&Template"));
    menuTemplate->setObjectName(QStringLiteral("Template1"));
    addMenuEntry(menuTemplate, "NEWTEMPLATE", QCoreApplication::translate("FormMAIN", "&New..."), this,
                 &TFormMAIN::NEWTEMPLATEClick);
    addMenuEntry(menuTemplate, "NewTemplateFromProduct",
                 QCoreApplication::translate("FormMAIN", "New from pro&duct..."), this,
                 &TFormMAIN::NewTemplateFromProductClick);
    addMenuEntry(menuTemplate, "Editlayout1", QCoreApplication::translate("FormMAIN", "&Edit layout..."), this,
                 &TFormMAIN::Editlayout1Click);
    addMenuEntry(menuTemplate, "OPENTEMPLATE", QCoreApplication::translate("FormMAIN", "&Open"), this,
                 &TFormMAIN::OPENTEMPLATEClick);
    reopenTemplate_ = menuTemplate->addMenu(QCoreApplication::translate("FormMAIN", "&Reopen"));
    reopenTemplate_->setObjectName(QStringLiteral("REOPENTEMPLATE"));
    addMenuEntry(menuTemplate, "SAVETEMPLATE", QCoreApplication::translate("FormMAIN", "&Save"), this,
                 [this] { controller_->saveTemplate(); });
    addMenuEntry(menuTemplate, "SAVETEMPLATEAS", QCoreApplication::translate("FormMAIN", "Save &as..."), this,
                 [this] { controller_->FNSAVETEMPLATEAS(); });
    menuTemplate->addSeparator();
    addMenuEntry(menuTemplate, "PRINTTEMPLATE", QCoreApplication::translate("FormMAIN", "&Print"), this,
                 &TFormMAIN::PRINTTEMPLATEClick);
    connect(menuTemplate, &QMenu::aboutToShow, this, &TFormMAIN::Template1Click);

    QMenu* menuData = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&Data"));
    menuData->setObjectName(QStringLiteral("Data1"));
    addMenuEntry(menuData, "OPENDATA", QCoreApplication::translate("FormMAIN", "&Open"), this,
                 &TFormMAIN::OPENDATAClick);
    reopenData_ = menuData->addMenu(QCoreApplication::translate("FormMAIN", "&Reopen"));
    reopenData_->setObjectName(QStringLiteral("REOPENDATA"));
    addMenuEntry(menuData, "CLOSEDATA", QCoreApplication::translate("FormMAIN", "&Close"), this,
                 &TFormMAIN::CLOSEDATAClick);
    addMenuEntry(menuData, "FIELDS", QCoreApplication::translate("FormMAIN", "&Fields..."), this,
                 &TFormMAIN::FIELDSClick);
    menuData->addSeparator();
    addMenuEntry(menuData, "SerialNumbers", QCoreApplication::translate("FormMAIN", "Serial &numbers..."), this,
                 &TFormMAIN::SerialNumbersClick);
    addMenuEntry(menuData, "SelectLabels", QCoreApplication::translate("FormMAIN", "&Select labels..."), this,
                 &TFormMAIN::SelectLabelsClick);
    connect(menuData, &QMenu::aboutToShow, this, &TFormMAIN::Data1Click);

    QMenu* options = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    addMenuEntry(options, "Scale1", QCoreApplication::translate("FormMAIN", "&Scale..."), this,
                 &TFormMAIN::Scale1Click);
    giveKeys(addMenuEntry(options, "Zoomin1", QCoreApplication::translate("FormMAIN", "Zoom &in"), this,
                          [this] { zoom(1); }),
             QKeySequence::ZoomIn);
    giveKeys(addMenuEntry(options, "Zoomout1", QCoreApplication::translate("FormMAIN", "Zoom &out"), this,
                          [this] { zoom(-1); }),
             QKeySequence::ZoomOut);
    // The page keys without Ctrl stay the page box's and the page image's.
    addMenuEntry(options, "Nextpage1", QCoreApplication::translate("FormMAIN", "&Next page"), this, [this] {
        preview_->stepPage(false);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    addMenuEntry(options, "Previouspage1", QCoreApplication::translate("FormMAIN", "&Previous page"), this, [this] {
        preview_->stepPage(true);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    giveKeys(addMenuEntry(options, "Firstpage1", QCoreApplication::translate("FormMAIN", "&First page"), this,
                          [this] { preview_->GOTOFIRSTPAGE(true); }),
             QKeySequence::MoveToStartOfDocument);
    giveKeys(addMenuEntry(options, "Lastpage1", QCoreApplication::translate("FormMAIN", "&Last page"), this,
                          [this] { preview_->GOTOLASTPAGE(true); }),
             QKeySequence::MoveToEndOfDocument);
    options->addSeparator();
    addMenuEntry(options, "Setunits1", QCoreApplication::translate("FormMAIN", "Set &units..."), this,
                 &TFormMAIN::Setunits1Click);
    addMenuEntry(options, "Softwaresettings1", QCoreApplication::translate("FormMAIN", "Software settings..."), this,
                 &TFormMAIN::Softwaresettings1Click);

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("FormMAIN", "&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    giveKeys(addMenuEntry(help, "Instructions1", QCoreApplication::translate("FormMAIN", "&Instructions"), this,
                          &TFormMAIN::Instructions1Click),
             QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    addMenuEntry(help, "Gotowebsite1", QCoreApplication::translate("FormMAIN", "Go to web site..."), this,
                 &TFormMAIN::Gotowebsite1Click);
    addMenuEntry(help, "emailus1", QCoreApplication::translate("FormMAIN", "Email us..."), this,
                 &TFormMAIN::emailus1Click);
    about_ = addMenuEntry(help, "About1", QCoreApplication::translate("FormMAIN", "&About"), this,
                          &TFormMAIN::About1Click);
    about_->setEnabled(false);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuEntry(popup_, "Opentextfile1", QCoreApplication::translate("FormMAIN", "Open text file"), this,
                 &TFormMAIN::Opentextfile1Click);
    connect(popup_, &QMenu::aboutToShow, this,
            [this] { popup_->actions().constFirst()->setEnabled(!job().DATAINFO()->FULLFILENAME.isEmpty()); });
    updateMenus();
}

void TFormMAIN::Edit1Click()
{
    undo_->setEnabled(controller_->history().canUndo());
    redo_->setEnabled(controller_->history().canRedo());
}

void TFormMAIN::File1Click()
{
    const bool t = job().TEMPLATEEXISTS();
    reopenJob_->menuAction()->setEnabled(!reopenJob_->isEmpty());
    findChild<QAction*>(QStringLiteral("Savejob"))->setEnabled(!JOBFILENAME().isEmpty());
    for (const char* name : {"SAVEJOBAS", "CLOSEJOB", "FORMATLABELS", "PRINTJOB"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(t);
}

void TFormMAIN::Template1Click()
{
    const bool t = job().TEMPLATEEXISTS();
    reopenTemplate_->menuAction()->setEnabled(!reopenTemplate_->isEmpty());
    for (const char* name : {"Editlayout1", "SAVETEMPLATE", "SAVETEMPLATEAS", "PRINTTEMPLATE"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(t);
}

void TFormMAIN::Data1Click()
{
    const bool t = job().TEMPLATEEXISTS();
    findChild<QAction*>(QStringLiteral("OPENDATA"))->setEnabled(t);
    reopenData_->menuAction()->setEnabled(!reopenData_->isEmpty() && t);
    findChild<QAction*>(QStringLiteral("CLOSEDATA"))->setEnabled(job().DATAEXISTS());
    // Every kind of data is laid out by fields: a table's columns, a text
    // block's lines, a serial number.
    findChild<QAction*>(QStringLiteral("FIELDS"))->setEnabled(job().DATAINFO()->hasContent());
    findChild<QAction*>(QStringLiteral("SerialNumbers"))->setEnabled(t);
    findChild<QAction*>(QStringLiteral("SelectLabels"))->setEnabled(job().DATAINFO()->labelsInIndex() > 0);
}

// ---------------------------------------------------------------- top panel

void TFormMAIN::buildTopPanel()
{
    panelJobName_ = new QFrame(this);
    panelJobName_->setObjectName(QStringLiteral("PanelJOBNAME"));
    panelJobName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panelJobName_->setFixedHeight(64);
    panelJobName_->installEventFilter(this);

    labelJob_ = makePanelLabel(panelJobName_, QCoreApplication::translate("FormMAIN", "Job file:"));
    labelJob_->move(8, 9);
    barJob_ = makeNameBar(panelJobName_, "StatusBarJOBFILENAME");
    barJob_->move(64, 4);
    labelTemplate_ = makePanelLabel(panelJobName_, QCoreApplication::translate("FormMAIN", "Template:"));
    labelTemplate_->move(8, 37);
    barTemplate_ = makeNameBar(panelJobName_, "StatusBarTEMPLATEFILENAME");
    barTemplate_->move(64, 32);
    labelData_ = makePanelLabel(panelJobName_, QCoreApplication::translate("FormMAIN", "Data:"));
    labelData_->move(0, 37);
    barData_ = makeNameBar(panelJobName_, "StatusBarDATAFILENAME");
    barData_->move(0, 32);

    buttonReload_ = new QPushButton(QCoreApplication::translate("FormMAIN", "Reload data"), panelJobName_);
    buttonReload_->setObjectName(QStringLiteral("ButtonRELOADDATA"));
    buttonReload_->resize(qMax(65, buttonReload_->sizeHint().width()), 25);
    buttonReload_->move(0, 32);
    connect(buttonReload_, &QPushButton::clicked, this, &TFormMAIN::ButtonRELOADDATAClick);
}

void TFormMAIN::showNameBar(QLabel* bar, const QString& path)
{
    const QFontMetrics fm(bar->font());
    const int room = bar->width() - 8;
    const QString shown = shortFileName(path, fm, room);
    bar->setText(shown);
    bar->setToolTip(shown != path ? path : QString());
}

void TFormMAIN::PanelJOBNAMEResize()
{
    const int w = panelJobName_->contentsRect().width() + 2 * panelJobName_->frameWidth();
    QFrame* panelPage = preview_->pagePanel();
    panelPage->resize(panelPage->width(), 31);
    panelPage->move(w - panelPage->width() - 1, 0);

    // The bars start at 64 pixels, or clear of their captions where the
    // desktop's font makes those wider.
    const int barLeft = qMax(
        64, qMax(labelJob_->x() + labelJob_->width(), labelTemplate_->x() + labelTemplate_->width()) + 4);
    barJob_->move(barLeft, barJob_->y());
    barTemplate_->move(barLeft, barTemplate_->y());
    barJob_->resize(qMax(0, w - (labelJob_->x() + labelJob_->width()) - panelPage->width() - 176 - (barLeft - 64)), 22);
    showNameBar(barJob_, JOBFILENAME());

    preview_->placeBoxes(barJob_->x() + barJob_->width());

    const int half = (w - (buttonReload_->width() + 10)) / 2;
    barTemplate_->resize(qMax(0, half - labelTemplate_->width() - 16 - (barLeft - 64)), 22);

    controller_->noteCurrentFiles();
    labelData_->move(half + 8, labelData_->y());
    barData_->move(labelData_->x() + labelData_->width() + 8, barData_->y());
    barData_->resize(qMax(0, half - labelData_->width() - 16), 22);
    showNameBar(barData_, dataShown());

    showNameBar(barTemplate_, job().TEMPLATE()->FULLFILENAME);

    buttonReload_->move(w - buttonReload_->width() - 3, buttonReload_->y());
}

QString TFormMAIN::dataShown() const
{
    const TDATAINFO& dataInfo = *job().DATAINFO();
    return dataInfo.FULLFILENAME.isEmpty() && dataInfo.hasSerialNumbers()
               ? Messages::serialNumbersShown(dataInfo.SerialFrom, dataInfo.SerialTo)
               : dataInfo.FULLFILENAME;
}

void TFormMAIN::Opentextfile1Click()
{
    FNSHELLOPEN(job().DATAINFO()->FULLFILENAME);
}

bool TFormMAIN::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panelJobName_ && event->type() == QEvent::Resize)
        PanelJOBNAMEResize();
    return BaseMainWindow::eventFilter(watched, event);
}
