#pragma once

// Where the controls of the form stand. The frames, the picture, the Reset button, the notes
// and the chart follow the model's layout units; inside the input frame the fields take the
// widths that the longest texts they hold need in the window's font, so that every number reads
// whole. The diagrams take the chart's place and the room down to the bottom of the form, at
// least the height in which they read. FormLayout measures the fields, tells the model the least
// widths of its frames, keeps the form's least size (below it the form scrolls) and places the
// widgets of FormWidgets and of the case page on display.

#include "shell/core/shellmodel.h"
#include "shell/qt/formwidgets.h"

#include <QSize>

class QWidget;

namespace shell {

struct CasePage;
class CasePages;

class FormLayout
{
public:
    FormLayout(const Program &program, ShellModel &model, const FormWidgets &widgets, CasePages &pages);

    // Measures, tells the model and places everything for the case on display, whose page is
    // built. A call made while placing (a resize the placing caused) is passed over.
    void lay();
    // The least size of the laid-out form, in pixels.
    QSize formMinimum() const { return m_formMinimum; }
    // The size of the form where no case of the program scrolls, in pixels.
    QSize fittingSize() const;
    // The form's size in which the diagrams show whole, from the form's size now: as wide as the
    // members side by side need where `mostWidth` pixels allow it, else as it is, and as high as
    // the diagrams need at that width.
    QSize formForDiagrams(const QSize &form, int mostWidth) const;

private:
    void measureFields();
    QSize leastFormSize() const;
    // The least size follows the form's width and the form its least size.
    void followLeastSize();
    void placeHead(int width, int height);
    void placeCaseButtons();
    void placeCase(CasePage &page, int width);
    void placeInputRows(CasePage &page, const LayoutRect &frame);
    void placeChartArea(int height);
    void place(QWidget *widget, const LayoutRect &area);
    // The least height of the diagrams under the results where the chart area is `chartWidth`
    // pixels wide.
    int leastDiagramPixels(int chartWidth) const;
    int pageHeight() const;

    const Program &m_program;
    ShellModel &m_model;
    FormWidgets m_widgets;
    CasePages &m_pages;
    QSize m_formMinimum;
    bool m_laying = false;
    // Widths measured in the window's font (pixels): the longest text a field holds whole.
    int m_valueWidth = 0;
    int m_stepWidth = 0;
    int m_leastResults = 0;  // layout units: the results frame's least width
};

}  // namespace shell
