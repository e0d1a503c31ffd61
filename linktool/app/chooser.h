#pragma once

#include <QLabel>
#include <QWidget>

namespace lt {

class MainWindow;

// A caption that acts as a button.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// frmMain: the module tests offered as captions over a picture.
class Chooser : public QWidget
{
    Q_OBJECT
public:
    // Opens the one chooser inside the main window, at 0,0.
    static Chooser *open(MainWindow &main);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Chooser(MainWindow &main);
    ClickLabel *caption(const char *name, const QString &text, const QString &tip);

    MainWindow &m_main;
    QLabel *m_image;   // Image1
};

// The program's custom mouse cursor (resource 101).
QCursor customCursor();

} // namespace lt
