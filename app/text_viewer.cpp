#include "app/text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qv {

TextViewer::TextViewer(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), edit_(new QPlainTextEdit(this)) {
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
    viewer->move(50, 50);
    viewer->resize(900, 850);
    viewer->show();
    viewer->activateWindow();
    return viewer;
}

}  // namespace qv
