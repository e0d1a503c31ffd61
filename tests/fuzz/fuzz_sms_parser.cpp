// The QX3100 reply parser in the real window: the frame half (parameter
// tab) and the SMS-test half (SMS-test tab).
//
// Flags: bit 0 SMS-test half, bit 1 active work form, bit 2 format transfer,
// bits 3-4 the request the replies answer, bit 5 the message gap runs out after every burst,
// bits 6-7 the message encoding checked in the sms_Manner menu (Chinese,
// English, hexadecimal, Chinese).
#include "fuzz_input.h"
#include "fuzz_window.h"

#include "app/main_window.h"
#include "link/link.h"
#include "sms/qx3100_window.h"
#include "sms/sms_test_tab.h"
#include "ui/message_box.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTabWidget>

namespace {
lt::MainWindow *g_main = nullptr;
QWidget *g_window = nullptr;
QTabWidget *g_tabs = nullptr;
lt::SmsTestTab *g_smsTest = nullptr;
QAction *g_manners[4] = {};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);   // lives to the end: Qt Sql cleans up through it at exit
    // The phone table's database goes to a test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    lt::setMessageHook([](const QString &, const QString &, QMessageBox::Icon, QMessageBox::StandardButtons) {
        return QMessageBox::Ok;
    });
    g_main = new lt::MainWindow;   // never shown: nothing is painted
    lt::openQx3100Window(*g_main);
    g_window = g_main->findChild<QWidget *>(QStringLiteral("frm3100COM"));
    g_tabs = g_window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    g_smsTest = g_window->findChild<lt::SmsTestTab *>();
    fuzzwin::stopTimers(g_window);   // the first refresh a second after load
    // The replies go to the SMS test until the first refresh; from here on
    // the tab shown decides, so every input gets the half its flag names.
    g_tabs->setCurrentIndex(1);
    g_tabs->setCurrentIndex(0);
    static const char *const manners[4] = {"chinese", "englist", "sendhex", "chinese"};
    for (int i = 0; i < 4; ++i)
        g_manners[i] = g_main->findChild<QAction *>(QLatin1String(manners[i]));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    g_main->link().module().workForm = (in.flags >> 1) & 1;
    g_main->link().module().transForm = (in.flags >> 2) & 1;
    g_smsTest->setAnswering(lt::SmsTestTab::Request((in.flags >> 3) & 3));
    const int tab = in.flags & 1;
    if (g_tabs->currentIndex() != tab) {
        g_tabs->setCurrentIndex(tab);   // the SMS-test tab empties its boxes as it opens
    } else {
        // The log areas would otherwise grow from input to input.
        for (auto *area : g_window->findChildren<QPlainTextEdit *>())
            if (!area->document()->isEmpty())
                area->clear();
    }
    g_manners[in.flags >> 6]->setChecked(true);
    g_main->link().setParseMode(lt::ParseMode::Qx3100);

    fuzzwin::feedBursts(*g_main, g_window, in.bursts, in.flags & 0x20);
    return 0;
}
