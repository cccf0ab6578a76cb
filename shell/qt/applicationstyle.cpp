#include "shell/qt/applicationstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <functional>

namespace shell {

namespace {

// An icon made by `make` when it is first drawn or measured.
class LaterIcon : public QIconEngine
{
public:
    explicit LaterIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new LaterIcon(*this); }

private:
    QIcon &icon()
    {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

class ApplicationStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton || option)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new LaterIcon([style = QPointer<QStyle>(baseStyle()), widget = QPointer<const QWidget>(widget)] {
            return style ? style->standardIcon(SP_ToolBarHorizontalExtensionButton, nullptr, widget) : QIcon();
        }));
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox && option && baseStyle()->inherits("QFusionStyle") && !fusionFrame().isNull())
            drawFusionGroupBoxFrame(option, painter, widget);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // Fusion's group box frame, as Fusion draws it: its picture stretched around the box below
    // the title.
    void drawFusionGroupBoxFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
    {
        constexpr int GroupBoxTopMargin = 3;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        const int top =
            box && !box->isCheckable() && box->title().isEmpty()
                ? GroupBoxTopMargin
                : qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                      GroupBoxTopMargin;
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), fusionFrame());
    }

    const QPixmap &fusionFrame() const
    {
        if (!m_frameRead) {
            QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                                "png");
            reader.setAutoDetectImageFormat(false);
            m_frame = QPixmap::fromImage(reader.read());
            m_frameRead = true;
        }
        return m_frame;
    }

    mutable QPixmap m_frame;
    mutable bool m_frameRead = false;
};

}  // namespace

void useApplicationStyle()
{
    if (dynamic_cast<ApplicationStyle *>(QApplication::style()))
        return;
    QStyle *same = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(same ? new ApplicationStyle(same) : new ApplicationStyle);
}

}  // namespace shell
