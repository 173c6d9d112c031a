#pragma once
// The main window's preview: the page image in its scrolling box, and the
// boxes that choose what it shows (the page number with its arrows and
// first and last buttons, the label to start at and the repeat count) with
// their rules. The boxes sit in the window's top panel, which places them.

#include "render/PrintParams.h"

#include <QImage>
#include <QPointer>
#include <QScrollArea>

class JobController;
class PaperImage;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TFormSETTINGS;

class PreviewPanel : public QScrollArea {
    Q_OBJECT
public:
    // The boxes are made in `topPanel`.
    PreviewPanel(JobController& controller, QWidget* topPanel);
    ~PreviewPanel() override;

    // The view switches come from the settings window; both are on while
    // there is none.
    void setSettingsWindow(const TFormSETTINGS* settings) { settings_ = settings; }

    double previewScale() const { return params_.FontScale; }
    void setPreviewScale(double scale) { params_.FontScale = scale; }
    qint32 pageIndex() const { return params_.PageIndex; }
    const TPRINTPARAMS& previewParams() const { return params_; }
    const QImage& pageBitmap() const;
    // How many times the page has been drawn: tests tell redraws apart.
    int refreshCount() const { return refreshCount_; }

    // Makes the page image for the job's paper at the scale, and draws it.
    void FITPAPER();
    void REFRESHPAGE();
    void GOTOFIRSTPAGE(bool redraw);
    void GOTOLASTPAGE(bool redraw);
    // One page back or on, as the page box's arrows go, and drawn.
    void stepPage(bool back);
    // Writes the job's start and repeat numbers into their boxes as printing
    // will use them (at least 1, at most one sheet's labels), after the job
    // was replaced by one opened or made anew or its sheet changed.
    void showDataNumbers();
    // Tidies the start and repeat boxes as when the user leaves them.
    void EditStartLabNumExit();
    void EditRepeatLabelNumExit();
    // Tidies a start or repeat box whose text is still being typed, so that
    // a command reading the numbers uses what the box shows.
    void commitTypedNumbers();

    // The page panel, at the right of the top panel, and the start and
    // repeat boxes with their captions, right of `left`.
    QFrame* pagePanel() const { return panelPage_; }
    void placeBoxes(int left);

signals:
    // A right click on a label of the data: its menu opens at `position`.
    void labelMenuRequested(QPoint position);
    // A picture of the page could not be drawn.
    void pictureFailed(const QString& text);
    // The page was drawn anew, after a change or a move to another page.
    void pageDrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildBoxes(QWidget* topPanel);
    void MAKEPAPERIMAGE();
    // While no sheet is open, the empty field says how to start.
    void showEmptyHint();
    qint32 labelsPerSheet() const;
    // The range of the start and repeat numbers: at least 1 and, once there
    // is a sheet, at most its number of labels.
    qint32 fitToSheet(qint64 n) const;
    void setBoxText(QLineEdit* box, const QString& text);
    void EditPAGENUMChange(const QString& text);
    void EditPAGENUMExit();
    void UpDownPAGENUMClick(bool upper);
    void EditStartLabNumChange(const QString& text);
    void EditRepeatLabelNumChange(const QString& text);
    void normaliseBox(QLineEdit* box, QTimer* timer, bool start);
    void boxTimerFired(QLineEdit* box, QTimer* timer, bool start);
    bool typing(const QLineEdit* box) const;
    void boxEdited(QTimer* timer, bool start, const QString& text);
    void ImagePAPERMouseUp(Qt::MouseButton button, QPoint position);

    JobController& controller_;
    const TFormSETTINGS* settings_ = nullptr;
    TPRINTPARAMS params_;
    int refreshCount_ = 0;
    bool spinnerGuard_ = false;
    bool settingBox_ = false; // the program is writing a box: not a user change

    QWidget* panelMainBase_ = nullptr;
    QWidget* panelPaper_ = nullptr;
    QPointer<PaperImage> image_;
    QLabel *labelRepeat1_ = nullptr, *labelRepeat2_ = nullptr, *labelStart1_ = nullptr, *labelStart2_ = nullptr;
    QLineEdit *editRepeat_ = nullptr, *editStart_ = nullptr, *editPage_ = nullptr;
    QFrame* panelPage_ = nullptr;
    QToolButton *arrowUp_ = nullptr, *arrowDown_ = nullptr;
    QTimer *timerStartAt_ = nullptr, *timerRepeatLabel_ = nullptr;
    QLabel* emptyHint_ = nullptr;
};

// A caption of the top panel, as wide as its text.
QLabel* makePanelLabel(QWidget* parent, const QString& text);
