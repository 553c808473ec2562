#include "app/text_viewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qv::app {

TextViewer::TextViewer(const QString& path)
    : QWidget(nullptr, Qt::Window), edit_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TextViewer"));
    setWindowTitle(QFileInfo(path).fileName());
    edit_->setObjectName(QStringLiteral("txtDocument"));
    edit_->setReadOnly(true);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);

    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        edit_->setPlainText(QString::fromUtf8(file.readAll()));
    else
        edit_->setPlainText(tr("Cannot open the file %1: %2").arg(path, file.errorString()));
}

QString TextViewer::text() const {
    return edit_->toPlainText();
}

TextViewer* TextViewer::open(const QString& path) {
    auto* viewer = new TextViewer(path);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    // A window's position is its frame's; its size is the inside's until the frame is known.
    viewer->move(kPlacement.topLeft());
    viewer->resize(kPlacement.size());
    viewer->show();
    viewer->fitFrame();
    viewer->activateWindow();
    return viewer;
}

void TextViewer::closeAll() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<TextViewer*>(window))
            viewer->close();
}

void TextViewer::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Framing the window moves its inside: the window manager has reported the frame.
    fitFrame();
}

void TextViewer::fitFrame() {
    const QSize frame = frameGeometry().size() - size();
    if (frameFitted_ || frame.isNull())
        return;
    // Once only: later moves and sizes are the user's.
    frameFitted_ = true;
    resize(kPlacement.size() - frame);
}

}  // namespace qv::app
