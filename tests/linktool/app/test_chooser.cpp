#include "app/chooser.h"
#include "app/main_window.h"
#include "gprs/qx3200_window.h"
#include "link/link.h"
#include "sms/qx3100_window.h"

#include "linktool_support.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace lt;

// frmMain, the model chooser: its captions, what hovering shows and which
// window each caption opens.
class ChooserTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    QPointer<QWidget> chooser;

    QLabel *label(const char *name) { return chooser->findChild<QLabel *>(QLatin1String(name)); }

    QStringList openDialogs() const
    {
        QStringList names;
        for (auto *d : main->findChildren<QDialog *>())
            if (d->isVisible())
                names << d->objectName();
        return names;
    }

private slots:
    void init()
    {
        test::resetProgramState();
        main = std::make_unique<MainWindow>();
        main->show();
        chooser = Chooser::open(*main);
        QVERIFY(chooser);
    }
    void cleanup() { main.reset(); }

    void closingKeepsThePortOfAModuleWindow_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("window");
        QTest::newRow("QX3100") << "qx3100" << "frm3100COM";
        QTest::newRow("QX3200") << "qx3200" << "frm3200COM";
    }
    void closingKeepsThePortOfAModuleWindow()
    {
        QFETCH(QString, model);
        QFETCH(QString, window);
        QStandardPaths::setTestModeEnabled(true);   // the QX3100 window keeps its phone table
        test::SimModule module(model);
        test::MessageRecorder messages;
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        if (model == QLatin1String("qx3100"))
            openQx3100Window(*main);
        else
            openQx3200Window(*main, WorkMode::DataCommunication);
        QPointer<QWidget> moduleWindow = main->findChild<QWidget *>(window);
        QVERIFY(moduleWindow);

        chooser->parentWidget()->close();
        QTRY_VERIFY(!chooser);
        QVERIFY(main->link().port().isOpen());
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,1"));

        // Once the module window has gone, a chooser closing with the port open closes it.
        moduleWindow->parentWidget()->close();
        QTRY_VERIFY(!moduleWindow);
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        chooser = Chooser::open(*main);
        chooser->parentWidget()->close();
        QTRY_VERIFY(!chooser);
        QVERIFY(!main->link().port().isOpen());
    }

    void dtrOnWhenTheChooserLoads()
    {
        QTest::qWait(150);   // the main window's own opening of the chooser is over
        chooser->parentWidget()->close();
        QTRY_VERIFY(!chooser);
        QSignalSpy dtr(&main->link().port(), &ModulePort::dtrSet);
        chooser = Chooser::open(*main);
        QCOMPARE(dtr.size(), 1);
        QCOMPARE(dtr.at(0).at(0).toBool(), true);
    }

    // A dark theme gets a dark picture and captions that stand out of it,
    // also when the theme changes while the chooser is open.
    void followsADarkTheme()
    {
        const QPalette light = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3B));
        dark.setColor(QPalette::WindowText, QColor(0xEF, 0xF0, 0xF1));
        dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
        dark.setColor(QPalette::Text, QColor(0xEF, 0xF0, 0xF1));
        dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
        dark.setColor(QPalette::Link, QColor(0x1D, 0x99, 0xF3));
        QApplication::setPalette(dark);
        QTest::qWait(1);   // the change reaches the widgets as events
        const QImage picture = label("Image1")->grab().toImage();
        const QImage caption = label("Label2")->grab().toImage();
        QApplication::setPalette(light);

        int lightPixels = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                lightPixels += picture.pixelColor(x, y).lightness() > 200;
        const double share = double(lightPixels) / (picture.width() * picture.height());
        QVERIFY2(share < 0.05, qPrintable(QString::number(share)));   // its lines, no light block

        // The caption's text against the chooser's background.
        const int background = dark.color(QPalette::Window).lightness();
        int contrast = 0;
        for (int y = 0; y < caption.height(); ++y)
            for (int x = 0; x < caption.width(); ++x)
                contrast = qMax(contrast, caption.pixelColor(x, y).lightness() - background);
        QVERIFY2(contrast >= 60, qPrintable(QString::number(contrast)));
    }

    void customCursorIsInTheProgram()
    {
        const QCursor cursor = customCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QVERIFY(!cursor.pixmap().isNull());
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }

    void captionsAndHover_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Label1") << "Label1" << QStringLiteral("QX3000系列测试程序")
                                << QStringLiteral("单击进入 QX3200 测试，用户不需要固定IP地址");
        QTest::newRow("Label2") << "Label2" << QStringLiteral("短信 测试程序")
                                << QStringLiteral("单击进入 QX3210 测试，需要固定IP地址");
        QTest::newRow("Label6") << "Label6" << QStringLiteral("GPRS 测试程序")
                                << QStringLiteral("单击进入 有省电功能QX3100/QX3200 测试，用户不需要固定IP地址");
    }
    void captionsAndHover()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QLabel *l = label(name.toLatin1().constData());
        QVERIFY(l);
        QCOMPARE(l->text(), caption);
        QVERIFY(l->toolTip().isEmpty());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(l, &enter);
        QCOMPARE(l->toolTip(), tip);
        QCOMPARE(l->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!l->cursor().pixmap().isNull());
    }

    void eachCaptionOpensItsWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("opens");
        QTest::newRow("Label1") << "Label1" << QStringList();
        QTest::newRow("Label2") << "Label2" << QStringList{QStringLiteral("frm3000MOD")};
        QTest::newRow("Label6") << "Label6" << QStringList{QStringLiteral("frmQX3200")};
        QTest::newRow("Label3_0") << "Label3_0" << QStringList();
    }
    void eachCaptionOpensItsWindow()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, opens);
        QVERIFY(openDialogs().isEmpty());
        QTest::mouseClick(label(name.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(openDialogs(), opens);
        if (!opens.isEmpty()) {
            auto *d = main->findChild<QDialog *>(opens.first());
            QVERIFY(d->isModal());
            QCOMPARE(d->windowTitle(), QStringLiteral("工作方式选择"));
        }
    }
};

QTEST_MAIN(ChooserTest)
#include "test_chooser.moc"
