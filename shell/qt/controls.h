#pragma once

// Small controls of the calculator window that behave as a keyboard user expects: every one
// shows when it holds the focus, Return and Space press a button, and the arrows of a scroll
// bar move its input the way its arrow buttons do.

#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

class QContextMenuEvent;
class QLineEdit;
class QMouseEvent;
class QPainter;

namespace shell {

// A push button (a case button, Reset, a command label such as "Help") that draws a frame in
// the highlight colour while it holds the focus and is pressed by Return and Enter as well as
// by Space.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// The scroll bar of an input. Right, Up and PageUp raise the input and Left, Down and PageDown
// lower it, as the right and left arrow buttons do; Home and End go to the lowest and highest
// position. It draws a frame while it holds the focus. A wheel turn is left to the window,
// which steps the input by whole notches.
class InputScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit InputScrollBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A picture in the window that carries the chart's menu (the result chart, the diagrams): the
// right button, the context-menu key and Shift+F10 ask for the menu once. Between the press and
// its release the platform sends a context-menu event of its own, which must not ask for it a
// second time; a context-menu event that comes alone asks for it.
class MenuPictureView : public QWidget
{
    Q_OBJECT
public:
    explicit MenuPictureView(QWidget *parent = nullptr);

signals:
    void contextMenuRequested(QPoint globalPos);

protected:
    // For the key press handler: asks for the menu at `globalPos` where the key is the menu key
    // or Shift+F10, and says whether it did (the event is then accepted).
    bool askMenuByKey(QKeyEvent *event, QPoint globalPos);
    // For the mouse press handler: asks for the menu where the right button is pressed, and says
    // whether it did. Every press is accepted, so that the window behind sees none.
    bool askMenuByMouse(QMouseEvent *event);
    // The dotted frame of the focus, `inset` pixels inside the picture's edge.
    void paintFocusFrame(QPainter &painter, int inset) const;

    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // From a press that asked for the menu to its release.
    bool m_menuAsked = false;
};

// Writes `text` into a field the program fills (an input after a unit change, a result) so
// that it reads from its first character: where it is wider than the field, the start shows
// and the tooltip gives the whole text, after `note` (a reason or "step") where there is one.
void showNumberText(QLineEdit *field, const QString &text, const QString &note = QString());

// True where the field's text is wider than the room inside it.
bool textOverflows(const QLineEdit *field);

// The colour for text on `background`: black on light colours, white on dark ones.
QColor readableOn(const QColor &background);

// The contrast ratio of two colours as the eye weighs them (WCAG 2: 1 for equal colours, 21 for
// black on white).
double contrastRatio(const QColor &a, const QColor &b);
// A quieter ink than `text` for secondary text on `ground` (a unit beside a symbol): the mix of
// the two nearest the ground that keeps a contrast of 6:1, comfortably above the 4.5:1 small
// text needs; `text` itself where even that falls short. On the window grey of the Fusion style
// it is a mid-dark grey, on a dark desktop a light one.
QColor quietInk(const QColor &text, const QColor &ground);
// The ground of an input frame: the window's colour under the frame's faint shade.
QColor frameGround(const QPalette &palette);

// The mark of a picture that belongs to an input since refused (the chart, the diagrams): the
// picture washed out, still readable, and "results of the last accepted input" at its top right
// on a nearly white ground.
void paintStaleMark(QPainter &painter, const QRect &area);

}  // namespace shell
