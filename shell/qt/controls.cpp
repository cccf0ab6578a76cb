#include "shell/qt/controls.h"

#include "shell/core/language.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

void drawFocusFrame(QWidget *widget, double radius)
{
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(widget->rect()).adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
}

}  // namespace

CommandButton::CommandButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this, 3);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

InputScrollBar::InputScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setInvertedControls(false);
}

void InputScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this, 2);
}

void InputScrollBar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
    triggerAction(action);
}

bool textOverflows(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    // QLineEdit keeps two pixels free on each side of its text.
    const int width = room.width() - margins.left() - margins.right() - 4;
    return field->fontMetrics().horizontalAdvance(field->text()) > width;
}

MenuPictureView::MenuPictureView(QWidget *parent) : QWidget(parent) {}

bool MenuPictureView::askMenuByKey(QKeyEvent *event, QPoint globalPos)
{
    const int key = event->key();
    m_menuAsked = key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers().testFlag(Qt::ShiftModifier));
    if (!m_menuAsked)
        return false;
    event->accept();
    emit contextMenuRequested(globalPos);
    return true;
}

bool MenuPictureView::askMenuByMouse(QMouseEvent *event)
{
    m_menuAsked = event->button() == Qt::RightButton;
    event->accept();
    if (m_menuAsked)
        emit contextMenuRequested(event->globalPosition().toPoint());
    return m_menuAsked;
}

void MenuPictureView::paintFocusFrame(QPainter &painter, int inset) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void MenuPictureView::mouseReleaseEvent(QMouseEvent *event)
{
    m_menuAsked = false;
    QWidget::mouseReleaseEvent(event);
}

void MenuPictureView::keyReleaseEvent(QKeyEvent *event)
{
    m_menuAsked = false;
    QWidget::keyReleaseEvent(event);
}

void MenuPictureView::contextMenuEvent(QContextMenuEvent *event)
{
    // Accepted in every case, so that the window behind does not open a menu of its own.
    event->accept();
    if (!m_menuAsked)
        emit contextMenuRequested(event->globalPos());
    m_menuAsked = false;
}

void showNumberText(QLineEdit *field, const QString &text, const QString &note)
{
    if (field->text() != text) {
        const QSignalBlocker blocker(field);
        field->setText(text);
    }
    // A field the user is typing in keeps the cursor where it is.
    if (!field->hasFocus() && field->cursorPosition() != 0)
        field->setCursorPosition(0);
    QString tip = note;
    if (textOverflows(field))
        tip = note.isEmpty() ? text : note + QLatin1Char('\n') + text;
    if (field->toolTip() != tip)
        field->setToolTip(tip);
}

QColor readableOn(const QColor &background)
{
    // Relative luminance as the eye weighs the primaries (sRGB, linearised roughly by squaring).
    const auto channel = [](int c) {
        const double v = c / 255.0;
        return v * v;
    };
    const QColor rgb = background.toRgb();
    const double luminance =
        (0.2126 * channel(rgb.red())) + (0.7152 * channel(rgb.green())) + (0.0722 * channel(rgb.blue()));
    return luminance > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {

// Relative luminance of an sRGB colour (WCAG 2).
double luminanceOf(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return (0.2126 * linear(rgb.redF())) + (0.7152 * linear(rgb.greenF())) + (0.0722 * linear(rgb.blueF()));
}

}  // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminanceOf(a);
    const double lb = luminanceOf(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor quietInk(const QColor &text, const QColor &ground)
{
    constexpr double Wanted = 6.0;
    const QColor t = text.toRgb();
    const QColor g = ground.toRgb();
    // From the ground towards the text in small steps: the first mix that reads is the quietest.
    for (int step = 1; step < 32; ++step) {
        const double share = step / 32.0;
        const auto mix = [share](double from, double to) { return from + ((to - from) * share); };
        const QColor ink = QColor::fromRgbF(static_cast<float>(mix(g.redF(), t.redF())),
                                            static_cast<float>(mix(g.greenF(), t.greenF())),
                                            static_cast<float>(mix(g.blueF(), t.blueF())));
        if (contrastRatio(ink, g) >= Wanted)
            return ink;
    }
    return t;
}

QColor frameGround(const QPalette &palette)
{
    return palette.color(QPalette::Window).darker(101);
}

void paintStaleMark(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.fillRect(area, QColor(255, 255, 255, 150));
    const QString text = QString::fromStdString(shell::translated("Text", "results of the last accepted input"));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int pad = std::max(2, metrics.height() / 5);
    const QRect box(area.right() - metrics.horizontalAdvance(text) - (3 * pad), area.top() + pad,
                    metrics.horizontalAdvance(text) + (2 * pad), metrics.height() + pad);
    painter.fillRect(box, QColor(255, 255, 255, 200));
    painter.setPen(quietInk(Qt::black, Qt::white));
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace shell
