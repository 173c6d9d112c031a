#pragma once
// The about box, which is also the splash window while the program starts.
// A plain window (it takes no part in the saved desktop), on top of the
// others, centred on the screen.

#include "dialogs/SplashCloser.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TFormABOUT : public QDialog {
    Q_OBJECT
public:
    explicit TFormABOUT(QWidget* parent = nullptr);

    // Shows the box without waiting and paints it at once: the splash at
    // program start, before any other window exists.
    void showSplash();

    // The main window's part in ending the splash: its one-shot splash timer
    // (whose timeout this connects) and what to do when the splash ends,
    // after the box is hidden (enable Help > About).
    void joinSplash(QTimer* mainTimer, std::function<void()> enableAbout);
    SplashCloser& splashCloser() { return closer_; }

    // The mail link the box opens: "mailto:Gorvin <support address>".
    static QString mailLink();
    // The quotation that the five letters B, R, I, S, K typed into the box show.
    static QString quotation();
    // The letters typed so far (at most 20).
    const QString& keyBuffer() const { return keys_; }

    // One key pressed while the box has the focus: letters are collected,
    // and "BRISK" among them shows the quotation.
    void keyPress(int key);
    // One tick of the picture timer: the corner frames change places.
    void TimerPICSTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* ImageMAIN = nullptr;
    QLabel* LabelVERSION = nullptr;
    QLineEdit* EditEMAIL = nullptr;
    QLineEdit* EditWEB = nullptr;
    QPushButton* ButtonOK = nullptr;
    QTimer* TimerPICS = nullptr;
    QTimer* TimerCLOSE = nullptr;

    SplashCloser closer_;
    std::function<void()> enableAbout_;
    bool picsFlag_ = false; // set when Image1 and Image4 were last brought to the front
    QString keys_;
};
