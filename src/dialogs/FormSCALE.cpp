#include "FormSCALE.h"

#include "dialogs/NamedWidgets.h"
#include "model/Units.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

UpDown::UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), fallback_([minimum] { return minimum; })
{
    up_ = named(new QToolButton(this), "ButtonUP");
    up_->setArrowType(Qt::UpArrow);
    down_ = named(new QToolButton(this), "ButtonDOWN");
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        arrow->setFixedWidth(18);
        arrow->setIconSize(QSize(8, 8));
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);

    auto* arrows = new QVBoxLayout(this);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedHeight(buddy.sizeHint().height());
}

void UpDown::step(int by)
{
    const int from = storedTextToInteger(buddy_.text()).value_or(fallback_());
    const int to = std::clamp(from + by, minimum_, maximum_);
    buddy_.setText(QString::number(to));
}

TFormSCALE::TFormSCALE(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FormSCALE"));
    setWindowTitle(QCoreApplication::translate("FormSCALE", "Set page scale"));

    LabelSCALE = named(new QLabel(QCoreApplication::translate("FormSCALE", "Set page viewing scale:"), this),
                       "LabelSCALE");

    TrackBarSCALE = named(new QSlider(Qt::Horizontal, this), "TrackBarSCALE");
    TrackBarSCALE->setRange(10, 200);
    TrackBarSCALE->setSingleStep(1);
    TrackBarSCALE->setPageStep(25);
    TrackBarSCALE->setTickInterval(20);
    TrackBarSCALE->setTickPosition(QSlider::TicksBelow);
    TrackBarSCALE->setValue(100);
    TrackBarSCALE->setMinimumWidth(280);

    EditSCALE = named(new QLineEdit(QStringLiteral("100"), this), "EditSCALE");
    EditSCALE->setMaxLength(3);
    EditSCALE->setAlignment(Qt::AlignRight);
    EditSCALE->setFixedWidth(EditSCALE->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    EditSCALE->installEventFilter(this);

    // The arrows stop where the track bar does.
    UpDownSCALE = named(new UpDown(*EditSCALE, TrackBarSCALE->minimum(), TrackBarSCALE->maximum(), this),
                        "UpDownSCALE");
    UpDownSCALE->setFallback([this] { return TrackBarSCALE->value(); });

    LabelPERCENT = named(new QLabel(QStringLiteral("%"), this), "LabelPERCENT");

    OKBtn = named(new QPushButton(QCoreApplication::translate("FormSCALE", "OK"), this), "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = named(new QPushButton(QCoreApplication::translate("FormSCALE", "Cancel"), this), "CancelBtn");
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        EditSCALEExit();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &TFormSCALE::reject);

    connect(EditSCALE, &QLineEdit::textChanged, this, &TFormSCALE::EditSCALEChange);
    connect(EditSCALE, &QLineEdit::editingFinished, this, &TFormSCALE::EditSCALEExit);
    connect(TrackBarSCALE, &QSlider::valueChanged, this, &TFormSCALE::TrackBarSCALEChange);

    auto* number = new QHBoxLayout;
    number->addStretch(1);
    number->setSpacing(0);
    number->addWidget(UpDownSCALE);
    number->addWidget(EditSCALE);
    number->addSpacing(4);
    number->addWidget(LabelPERCENT);
    number->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch(1);

    auto* form = new QVBoxLayout(this);
    form->addWidget(LabelSCALE);
    form->addWidget(TrackBarSCALE);
    form->addLayout(number);
    form->addSpacing(6);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFormSCALE::execute(double& scale, double minScale, double maxScale)
{
    setScale(scale);
    EditSCALE->setFocus();
    EditSCALE->selectAll(); // typing replaces the number
    if (exec() != QDialog::Accepted)
        return false;
    double chosen = trackBarScale();
    if (chosen < minScale)
        chosen = minScale;
    else if (chosen > maxScale)
        chosen = maxScale;
    scale = chosen;
    return true;
}

void TFormSCALE::setScale(double scale)
{
    // The box and the track bar show the same number: the per cent held in
    // the track bar's range.
    const long double perCent = std::clamp(static_cast<long double>(scale) * 100.0L, -1.0e9L, 1.0e9L);
    const auto position = std::clamp(static_cast<int>(roundHalfEven(perCent)), TrackBarSCALE->minimum(),
                                     TrackBarSCALE->maximum());
    TrackBarSCALE->setValue(position);
    EditSCALE->setText(QString::number(position));
}

double TFormSCALE::trackBarScale() const
{
    return TrackBarSCALE->value() / 100.0;
}

void TFormSCALE::EditSCALEChange(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    digits.truncate(3);
    if (digits != text) {
        // The cleaned text comes back through here and does the rest.
        EditSCALE->setText(digits);
        return;
    }
    // While the user types, the track bar follows the number as far as its
    // range goes (350 puts it at 200), but the box keeps what is typed ("5"
    // on the way to "50"); the box is brought into range when it is left or
    // OK is pressed.
    const std::optional<int> number = storedTextToInteger(digits);
    if (!number)
        return;
    followingBox_ = true;
    TrackBarSCALE->setValue(std::clamp(*number, TrackBarSCALE->minimum(), TrackBarSCALE->maximum()));
    followingBox_ = false;
}

void TFormSCALE::EditSCALEExit()
{
    const std::optional<int> number = storedTextToInteger(EditSCALE->text());
    const int position = number ? std::clamp(*number, TrackBarSCALE->minimum(), TrackBarSCALE->maximum())
                                : TrackBarSCALE->value();
    TrackBarSCALE->setValue(position);
    if (storedTextToInteger(EditSCALE->text()) != position)
        EditSCALE->setText(QString::number(position));
}

void TFormSCALE::TrackBarSCALEChange(int position)
{
    if (followingBox_)
        return;
    if (storedTextToInteger(EditSCALE->text()) != position)
        EditSCALE->setText(QString::number(position));
}

bool TFormSCALE::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys in the edit box work the arrows beside it.
    if (watched == EditSCALE && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (key == Qt::Key_Up)
                UpDownSCALE->stepUp();
            else
                UpDownSCALE->stepDown();
            return true;
        }
    }
    return BaseDialog::eventFilter(watched, event);
}
