#pragma once
// A plain-text viewer window for the documentation file. A file that cannot be read is
// reported in the viewer itself, naming the file.

#include <QWidget>

class QPlainTextEdit;

namespace qv {

class TextViewer : public QWidget {
    Q_OBJECT
public:
    explicit TextViewer(const QString& path, QWidget* parent = nullptr);
    QString text() const;

    // Opens a new viewer on path at 50, 50, 900 x 850 pixels, deleted when closed.
    static TextViewer* open(const QString& path);

private:
    QPlainTextEdit* edit_;
};

}  // namespace qv
