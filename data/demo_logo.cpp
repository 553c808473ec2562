#include "data/demo_company.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <stdexcept>

namespace qv::data {

void writeDemoLogo(const QString& path) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::runtime_error("Drawing the demo logo needs a QGuiApplication");
    // RGB32 has no alpha channel, so Qt writes it as a 24-bit BMP.
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(QColor(0, 51, 102));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.fillRect(0, 50, 200, 10, QColor(255, 204, 0));
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(30);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, 200, 50), Qt::AlignCenter, "BRISVALE");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !file.commit())
        throw std::runtime_error("Cannot write the demo logo " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

}  // namespace qv::data
