#pragma once
// The main window: the menus and what they do, the top panel with the three
// file-name bars, the status bar, and the wiring between them. The job and
// its files are the job controller's; the page image and the boxes that
// choose what it shows are the preview panel's.

#include "app/CommandFailure.h"
#include "app/JobController.h"
#include "app/PreviewPanel.h"
#include "support/BaseForm.h"

#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TFormABOUT;
class TFormNEWPAPER;
class ProductChooser;
class TFormSCALE;
class TFormLAYOUT;
class TFormCALIBPRN;
class TFormSETTINGS;
class TFormSETUNITS;
class TFormFORMAT;
class TFormHELP;
class TFormRTFHelp;
class PrinterTarget;
class PrintRun;

// The windows the program creates once at start, besides the main window.
struct ProgramWindows {
    TFormABOUT* about = nullptr;
    TFormNEWPAPER* newPaper = nullptr;
    ProductChooser* product = nullptr;
    TFormSCALE* scale = nullptr;
    TFormLAYOUT* layout = nullptr;
    TFormCALIBPRN* calibration = nullptr;
    TFormSETTINGS* settings = nullptr;
    TFormSETUNITS* setUnits = nullptr;
    TFormFORMAT* format = nullptr;
    TFormHELP* help = nullptr;
    TFormRTFHelp* rtfHelp = nullptr;
};

class TFormMAIN : public BaseMainWindow, private JobView {
    Q_OBJECT
public:
    // `commandLine` holds the parameters without the program's name.
    explicit TFormMAIN(const QStringList& commandLine = {}, QWidget* parent = nullptr);
    ~TFormMAIN() override;

    // The other windows, created after the main window in the program's
    // order; the main window does not own them.
    void setWindows(const ProgramWindows& windows);
    const ProgramWindows& windows() const { return windows_; }

    JobController& controller() const { return *controller_; }
    PreviewPanel& preview() const { return *preview_; }
    // What the controller and the preview hold, as the window shows it.
    TJOB& job() const { return controller_->job(); }
    const QString& JOBFILENAME() const { return controller_->JOBFILENAME(); }
    // Where Template > New starts: A4 upright, then the size last chosen in
    // the paper-type dialog (by a sheet or by OK) for the rest of the run.
    MU defaultPaperWidth() const;
    MU defaultPaperHeight() const;

    void FITPAPER() { preview_->FITPAPER(); }
    void REFRESHPAGE() { preview_->REFRESHPAGE(); }

    // The name bars, which show the controller's file names.
    void PanelJOBNAMEResize();
    // The title (the job's file name with the desktop's changed mark) and
    // the status line's count of labels and pages, as the job stands now.
    // Called wherever what the window shows is brought up to date.
    void updateWindowTitle();

    // The enabled states of a top-level menu's entries, as it opens.
    void File1Click();
    void Edit1Click();
    void Template1Click();
    void Data1Click();
    void updateMenus();

    // Runs a menu command: see FormMAIN.cpp.
    void runCommand(const QString& caption, const std::function<void()>& command);

    // The main window's splash timer (500 ms, once) and what the end of the
    // splash does here.
    QTimer* splashTimer() const { return timerCloseSplash_; }
    void splashEnded();

    // Printing.
    PrinterTarget& printer();
    bool printInProgress() const;

signals:
    // The window has closed for good: the user's state is saved and the
    // program ends, whatever other windows are still open.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the job controller asks of the window.
    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    void namesChanged() override;
    void sheetChanged() override;
    void jobReplaced() override;
    void showStatus(const QString& text) override;
    void reopenListChanged(ReopenList list) override;

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void buildMenus();
    void buildTopPanel();
    void applyCommandLine();
    void showNameBar(QLabel* bar, const QString& path);
    ReopenList listOf(const QMenu* menu) const;
    void printCommand(bool labels);
    bool unprintableLabelsAccepted();
    bool printCloseQuestion();

    // Saved desktop, file information and settings.
    void FNLOADDESKTOP();
    void FNSAVEDESKTOP();
    void FNLOADFILEINFO();
    void FNSAVEFILEINFO();
    void FNLOADSETTINGS();
    void FNSAVESETTINGS();
    QList<QWidget*> placedWindows() const;

    void Opentextfile1Click();

    // Menu handlers.
    void OpenjobClick();
    void CLOSEJOBClick();
    void NEWTEMPLATEClick();
    void NewTemplateFromProductClick();
    void OPENTEMPLATEClick();
    void OPENDATAClick();
    void CLOSEDATAClick();
    // Data > Fields...: the layout of table data; OK redraws the page.
    void FIELDSClick();
    // Data > Serial numbers...: numbered labels in place of a data file.
    void SerialNumbersClick();
    // Data > Select labels...: the labels this print takes; not stored.
    void SelectLabelsClick();
    // What the data bar shows: the data file's name or the serial numbers.
    QString dataShown() const;
    void ButtonRELOADDATAClick();
    void Newjobwizard1Click();
    void FORMATLABELSClick();
    void Editlayout1Click();
    void Scale1Click();
    void Setunits1Click();
    void Softwaresettings1Click();
    void Instructions1Click();
    void Gotowebsite1Click();
    void emailus1Click();
    void About1Click();
    void Calibrateprinter1Click();
    void Setupprinter1Click();
    void PRINTJOBClick();
    void PRINTTEMPLATEClick();
    void Exit1Click();
    void undoRedo(bool undo);
    // The preview's scale, `steps` tenths up or down.
    void zoom(int steps);

    std::unique_ptr<JobController> controller_;
    PreviewPanel* preview_ = nullptr;
    ProgramWindows windows_;
    QStringList commandLine_;
    bool firstShown_ = false;
    // The scale dialog's track bar runs from 10 % to 200 %.
    double maxScale_ = 2.0, minScale_ = 0.1;

    // Controls.
    QFrame* panelJobName_ = nullptr;
    QLabel *labelJob_ = nullptr, *labelTemplate_ = nullptr, *labelData_ = nullptr;
    QLabel *barJob_ = nullptr, *barTemplate_ = nullptr, *barData_ = nullptr;
    QLabel* labelCount_ = nullptr; // the status line's labels and pages
    QPushButton* buttonReload_ = nullptr;
    QTimer* timerCloseSplash_ = nullptr;
    QMenu *popup_ = nullptr, *reopenJob_ = nullptr, *reopenTemplate_ = nullptr, *reopenData_ = nullptr;
    QAction* about_ = nullptr;
    QAction *undo_ = nullptr, *redo_ = nullptr;
    std::unique_ptr<PrinterTarget> printer_;
    std::unique_ptr<PrintRun> printRun_;
    bool collate_ = false;
    bool reverse_ = false; // the print dialog's last page first
};
