#include "support/samplepdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

QByteArray samplePdf(int pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 28));
        for (int i = 0; i < pages; ++i) {
            if (i > 0) writer.newPage();
            painter.drawText(QPointF(800, 1600),
                             QStringLiteral("Acta del escrutinio, hoja %1").arg(i + 1));
        }
    }
    return buffer.data();
}
