#pragma once
// "Set page scale": the preview scale in per cent, set with a track bar, an
// edit box or the arrows beside it, which are all kept in step.

#include "support/BaseForm.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

// Up-down arrows that step the number in their edit box, as a spinner
// attached to an edit does: the edit's number goes up or down by one within
// the arrows' range and is written back into the edit.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Where the arrows start from when the edit holds no number.
    void setFallback(std::function<int()> position) { fallback_ = std::move(position); }

    void stepUp() { step(1); }
    void stepDown() { step(-1); }

private:
    void step(int by);

    QLineEdit& buddy_;
    int minimum_;
    int maximum_;
    std::function<int()> fallback_;
    QToolButton* up_;
    QToolButton* down_;
};

class TFormSCALE : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormSCALE(QWidget* parent = nullptr);

    // Shows the dialog modally at the given scale (1.0 is 100 %). OK brings
    // the typed number into the track bar's range, sets the scale to the
    // track bar's position in per cent, held within the limits, and returns
    // true; Cancel leaves it alone.
    bool execute(double& scale, double minScale, double maxScale);

    // Fills the track bar and the edit box from a scale; execute() does it.
    void setScale(double scale);
    // The scale that OK takes: the track bar position in per cent.
    double trackBarScale() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditSCALEChange(const QString& text);
    // Leaving the box or OK: the number is brought into the track bar's
    // range, an empty box shows the track bar's position.
    void EditSCALEExit();
    void TrackBarSCALEChange(int position);

    QLabel* LabelSCALE;
    QSlider* TrackBarSCALE;
    QLineEdit* EditSCALE;
    UpDown* UpDownSCALE;
    QLabel* LabelPERCENT;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    bool followingBox_ = false; // the track bar is following the box's text
};
