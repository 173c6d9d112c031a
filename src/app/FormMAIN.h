#pragma once
// The main window: the current job, the program-wide state, the menus, the
// three file-name bars, the page preview with its navigation, and the file
// and menu commands.

#include "model/Job.h"
#include "render/PrintParams.h"
#include "support/BaseForm.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <exception>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class PaperImage;
class TFormABOUT;
class TFormNEWPAPER;
class TFormPRODUCT;
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
    TFormPRODUCT* product = nullptr;
    TFormSCALE* scale = nullptr;
    TFormLAYOUT* layout = nullptr;
    TFormCALIBPRN* calibration = nullptr;
    TFormSETTINGS* settings = nullptr;
    TFormSETUNITS* setUnits = nullptr;
    TFormFORMAT* format = nullptr;
    TFormHELP* help = nullptr;
    TFormRTFHelp* rtfHelp = nullptr;
};

class TFormMAIN : public BaseMainWindow {
    Q_OBJECT
public:
    // `commandLine` holds the parameters without the program's name.
    explicit TFormMAIN(const QStringList& commandLine = {}, QWidget* parent = nullptr);
    ~TFormMAIN() override;

    // The other windows, created after the main window in the program's
    // order; the main window does not own them.
    void setWindows(const ProgramWindows& windows);
    const ProgramWindows& windows() const { return windows_; }

    TJOB& job() const { return *job_; }
    const QString& JOBFILENAME() const { return jobFileName_; }
    const QString& LASTJOBFILENAME() const { return lastJobFileName_; }
    double previewScale() const { return params_.FontScale; }
    void setPreviewScale(double scale) { params_.FontScale = scale; }
    qint32 pageIndex() const { return params_.PageIndex; }
    const TPRINTPARAMS& previewParams() const { return params_; }
    const QImage& pageBitmap() const;
    // How many times the page has been drawn: tests tell redraws apart.
    int refreshCount() const { return refreshCount_; }
    QString settingsRootKey() const { return rootKey_; }
    // Where Template > New starts: A4 upright, then the size last chosen in
    // the paper-type dialog (by a sheet or by OK) for the rest of the run.
    MU defaultPaperWidth() const;
    MU defaultPaperHeight() const;

    // Preview and navigation.
    void FITPAPER();
    void REFRESHPAGE();
    void GOTOFIRSTPAGE(bool redraw);
    void GOTOLASTPAGE(bool redraw);

    // Name bars and recent files.
    void SETJOBFILENAME(const QString& name);
    void PanelJOBNAMEResize();
    void ADDREOPENITEM(QMenu* menu, const QString& name);
    void REMOVEREOPENITEM(QMenu* menu, const QString& name);
    QStringList reopenEntries(QMenu* menu) const;
    QMenu* reopenJobMenu() const { return reopenJob_; }
    QMenu* reopenTemplateMenu() const { return reopenTemplate_; }
    QMenu* reopenDataMenu() const { return reopenData_; }

    // File commands.
    bool FNSAVEJOB(const QString& name);
    bool FNSAVEJOBAS();
    bool FNSAVEJOBFIRST();
    bool FNOPENJOB(const QString& name);
    bool FNLOADJOB(const QString& name);
    bool FNSAVETEMPLATE(const QString& name);
    bool FNSAVETEMPLATEAS();
    bool FNSAVETEMPLATEFIRST();
    bool FNOPENTEMPLATE(const QString& name);
    bool FNLOADTEMPLATE(const QString& name);
    bool FNOPENDATA(const QString& name);

    // The enabled states of a top-level menu's entries, as it opens.
    void File1Click();
    void Template1Click();
    void Data1Click();

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
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void buildMenus();
    void buildTopPanel();
    void buildPreview();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption, void (TFormMAIN::*handler)());
    void MAKEPAPERIMAGE();
    void applyCommandLine();
    qint32 labelsPerSheet() const;
    // The range of the start and repeat numbers: at least 1 and, once there
    // is a sheet, at most its number of labels.
    qint32 fitToSheet(qint64 n) const;
    void replaceJob(std::unique_ptr<TJOB> job);
    void setBoxText(QLineEdit* box, const QString& text);
    void showNameBar(QLabel* bar, const QString& path);
    void reopenUpdate(QLabel* bar, const QString& current, QMenu* menu);
    QString startFolder(const QString& currentFile, QString& rememberedDir, const QString& subFolder,
                        bool forOpen) const;
    QString saveChecked(const QString& path, bool isTemplate);
    QString chooseFileToOpen(bool isTemplate);
    void printCommand(bool labels);
    bool printCloseQuestion();

    // Saved desktop, file information and settings.
    void FNLOADDESKTOP();
    void FNSAVEDESKTOP();
    void FNLOADFILEINFO();
    void FNSAVEFILEINFO();
    void FNLOADSETTINGS();
    void FNSAVESETTINGS();
    QList<QWidget*> placedWindows() const;

    // Control handlers.
    void EditPAGENUMChange(const QString& text);
    void EditPAGENUMExit();
    void UpDownPAGENUMClick(bool upper);
    void EditStartLabNumChange(const QString& text);
    void EditStartLabNumExit();
    // Writes the job's start and repeat numbers into their boxes as printing
    // will use them (at least 1, at most one sheet's labels), after the job
    // was replaced by one opened or made anew.
    void showDataNumbers();
    void EditRepeatLabelNumChange(const QString& text);
    void EditRepeatLabelNumExit();
    void normaliseBox(QLineEdit* box, QTimer* timer, bool start);
    void boxEdited(QLineEdit* box, QTimer* timer, bool start, const QString& text);
    void ImagePAPERMouseUp(Qt::MouseButton button, QPoint position);
    void Opentextfile1Click();

    // Menu handlers.
    void OpenjobClick();
    void SavejobClick();
    void SAVEJOBASClick();
    void CLOSEJOBClick();
    void NEWTEMPLATEClick();
    void NEWTEMPLATEFROMPRODUCTClick();
    void OPENTEMPLATEClick();
    void SAVETEMPLATEClick();
    void SAVETEMPLATEASClick();
    void OPENDATAClick();
    void CLOSEDATAClick();
    // Data > Fields...: the layout of table data; OK redraws the page.
    void FIELDSClick();
    void ButtonRELOADDATAClick();
    void REOPENCLICK();
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

    std::unique_ptr<TJOB> job_;
    ProgramWindows windows_;
    QStringList commandLine_;
    QString rootKey_;
    QString jobDir_, templateDir_, dataDir_, picDir_;
    QString jobFileName_, lastJobFileName_;
    TPRINTPARAMS params_;
    bool spinnerGuard_ = false;
    bool firstShown_ = false;
    bool settingBox_ = false; // the program is writing a box: not a user change
    int refreshCount_ = 0;
    double maxScale_ = 3.0, minScale_ = 0.1;

    // Controls.
    QFrame* panelJobName_ = nullptr;
    QLabel *labelJob_ = nullptr, *labelTemplate_ = nullptr, *labelData_ = nullptr;
    QLabel *barJob_ = nullptr, *barTemplate_ = nullptr, *barData_ = nullptr;
    QPushButton* buttonReload_ = nullptr;
    QLabel *labelRepeat1_ = nullptr, *labelRepeat2_ = nullptr, *labelStart1_ = nullptr, *labelStart2_ = nullptr;
    QLineEdit *editRepeat_ = nullptr, *editStart_ = nullptr, *editPage_ = nullptr;
    QFrame* panelPage_ = nullptr;
    QWidget* upDown_ = nullptr;
    QToolButton *arrowUp_ = nullptr, *arrowDown_ = nullptr;
    QPushButton *buttonFirst_ = nullptr, *buttonLast_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QWidget* panelMainBase_ = nullptr;
    QWidget* panelPaper_ = nullptr;
    QPointer<PaperImage> image_;
    QTimer *timerStartAt_ = nullptr, *timerRepeatLabel_ = nullptr, *timerCloseSplash_ = nullptr;
    QMenu *menuFile_ = nullptr, *menuTemplate_ = nullptr, *menuData_ = nullptr, *popup_ = nullptr;
    QMenu *reopenJob_ = nullptr, *reopenTemplate_ = nullptr, *reopenData_ = nullptr;
    QAction* about_ = nullptr;
    std::unique_ptr<PrinterTarget> printer_;
    std::unique_ptr<PrintRun> printRun_;
    bool collate_ = false;
    bool reverse_ = false; // the print dialog's last page first
};

// The program folder with a trailing separator, as the dialogs start in it.
QString FNFILENAMEONLY(const QString& path);

// Error numbers of the error log besides those of the file commands.
enum : int {
    ErrorDrawingPage = 12,     // the preview's page could not be drawn
    ErrorUnexpectedFailure = 14, // a command failed in a way nothing else caught
};

// A command that failed with an exception (most often: not enough memory)
// is logged as error `code` with a beep and told to the user: `operation`
// says what failed, followed by the cause.
void reportCommandFailure(int code, const QString& operation, const std::exception& e);
// The cause as the user reads it: "There is not enough memory." for an
// allocation that failed, else "Unexpected error: " and the error's text.
QString failureCause(const std::exception& e);
