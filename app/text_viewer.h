#pragma once
// A plain-text viewer window for the documentation file. A file that cannot be read is
// reported in the viewer itself, naming the file.

#include <QRect>
#include <QWidget>

class QPlainTextEdit;

namespace qv::app {

class TextViewer : public QWidget {
    Q_OBJECT
public:
    // Where every viewer's window lies, frame included, in pixels.
    static constexpr QRect kPlacement{50, 50, 900, 850};

    // Opens a new viewer on path at kPlacement, deleted when closed.
    static TextViewer* open(const QString& path);
    // Closes every viewer still open.
    static void closeAll();

    QString text() const;

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    explicit TextViewer(const QString& path);
    // Takes the frame off the size once the window manager reports it.
    void fitFrame();

    QPlainTextEdit* edit_;
    bool frameFitted_ = false;
};

}  // namespace qv::app
