#include "fit_check.h"
#include "input_dialogs.h"
#include "test_language.h"
#include "port_box.h"
#include "smsconf_dlg.h"
#include "smsconf_support.h"
#include "start_options.h"

#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

using namespace sms;

namespace {

// A screen of 1366 x 768 less a panel, and the window's title bar and edges.
const QSize kWorkArea(1366, 768 - 40);
const QSize kFrame(16, 40);

QString problems(const QWidget &w)
{
    return test::clippedControls(&w).join(QLatin1Char('\n'));
}

} // namespace

// Every control of the dialog and its two input boxes shows its whole text,
// at the fonts users get, at the size the dialog opens with and at the
// smallest it can be made; and it fits a small laptop's screen. Run again at
// 150 % (QT_SCALE_FACTOR=1.5); QX_TEST_LANGUAGE (zh, en) chooses the language.
class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString code = test::testLanguageCode();
        QVERIFY2(test::useTestLanguage(program()), qPrintable(code));
        // Measured with the font that draws Chinese for users (fonts-noto-cjk), not a fallback box.
        CSmsconfDlg dlg;
        const QString family = test::fontFamilyFor(QStringLiteral("设备地址"), dlg.font());
        QVERIFY2(family.contains(QStringLiteral("Noto Sans CJK")), qPrintable(family));
        qInfo("language %s, scale %s, Chinese in %s", qPrintable(code), qgetenv("QT_SCALE_FACTOR").constData(),
              qPrintable(family));
    }

    void dialogShowsEverythingWhole()
    {
        CSmsconfDlg dlg;
        // Values as the module sends them, the longest each box takes.
        dlg.deviceAddressBox()->setText(QStringLiteral("2147483647"));
        dlg.registerAddressBox()->setText(QStringLiteral("40001"));
        dlg.positionBox()->setText(QStringLiteral("319"));
        dlg.phoneList()->item(0, 1)->setText(QString(20, QLatin1Char('9')));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        qInfo("opens at %dx%d, smallest %dx%d", dlg.width(), dlg.height(), dlg.minimumWidth(), dlg.minimumHeight());
        QVERIFY2(problems(dlg).isEmpty(), qPrintable(problems(dlg)));

        dlg.resize(dlg.minimumSize());
        QTest::qWait(1);
        QCOMPARE(dlg.size(), dlg.minimumSize());
        QVERIFY2(problems(dlg).isEmpty(), qPrintable(problems(dlg)));
        const QSize least = dlg.minimumSize() + kFrame;
        QVERIFY2(least.width() <= kWorkArea.width() && least.height() <= kWorkArea.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        // Never opened larger than the screen it is on.
        QVERIFY(dlg.height() <= qMax(dlg.minimumHeight(), dlg.screen()->availableGeometry().height()));
    }

    // A device with a long stable name widens the port box to show it whole;
    // the window still fits.
    void aLongDeviceNameShowsWhole()
    {
        CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const int before = dlg.portBox()->width();
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0");
        dlg.portBox()->setScan([byId] {
            QList<qx::PortChoice> choices = qx::portChoices({}, {});
            choices.append({byId + QStringLiteral(" — FT232R USB UART (A10K3XYZ)"), byId});
            return choices;
        });
        dlg.portBox()->setValue(byId);
        QTest::qWait(1);
        QVERIFY(dlg.portBox()->width() > before);
        QVERIFY2(problems(dlg).isEmpty(), qPrintable(problems(dlg)));
        QVERIFY(dlg.minimumWidth() + kFrame.width() <= kWorkArea.width());
    }

    void inputBoxesShowTheLongestEntry()
    {
        CSmsconfDlg dlg;
        CInputMsg phone(&dlg);
        phone.edit()->setText(QString(20, QLatin1Char('8')));
        CInfoDlg info(&dlg);
        info.edit()->setText(QString(59, QChar(u'警')));
        for (TextEntryDialog *box : {static_cast<TextEntryDialog *>(&phone), static_cast<TextEntryDialog *>(&info)}) {
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QVERIFY2(problems(*box).isEmpty(), qPrintable(box->windowTitle() + ": " + problems(*box)));
            box->resize(box->minimumSize());
            QTest::qWait(1);
            QVERIFY2(problems(*box).isEmpty(), qPrintable(box->windowTitle() + ": " + problems(*box)));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
