#include "toolkit/qt/style.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>

namespace tk::qt {

namespace {

    class ProgramStyle : public QProxyStyle {
    public:
        ProgramStyle()
            : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
        {
        }

        QIcon standardIcon(
            StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
        {
            if (icon != SP_ToolBarHorizontalExtensionButton)
                return QProxyStyle::standardIcon(icon, option, widget);
            // Two chevrons pointing right, ">>".
            QPixmap arrow(16, 16);
            arrow.fill(Qt::transparent);
            QPainter painter(&arrow);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(40, 40, 40), 1.6));
            for (const int x : { 3, 8 })
                painter.drawPolyline(QPolygonF({ QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12) }));
            return QIcon(arrow);
        }
    };

} // namespace

QStyle* program_style()
{
    return new ProgramStyle;
}

} // namespace tk::qt
