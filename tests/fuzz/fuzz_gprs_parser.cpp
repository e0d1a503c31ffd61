// The QX3200 reply parser in the real window: the parameter branch (while a
// parameter exchange runs) and the data branch of the data test.
//
// Flags: bit 0 parameter branch, bit 1 active work form, bit 2 format
// transfer, bits 3-4 the last passive command, bit 5 the message gap runs out
// after every burst, bit 6 an identity write is pending, bit 7 questions are
// answered Yes.
#include "fuzz_input.h"
#include "fuzz_window.h"

#include "app/main_window.h"
#include "gprs/data_test_page.h"
#include "gprs/qx3200_window.h"
#include "link/link.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace {
lt::MainWindow *g_main = nullptr;
lt::Qx3200Window *g_window = nullptr;
bool g_answerYes = false;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No device behind the port: the window opens without a link and writes nothing.
    qputenv("QXCOM1", "/nonexistent/qxcom1");
    new QApplication(*argc, *argv);   // lives to the end: Qt Sql cleans up through it at exit
    lt::setMessageHook([](const QString &, const QString &, QMessageBox::Icon, QMessageBox::StandardButtons buttons) {
        if (buttons & QMessageBox::Yes)
            return g_answerYes ? QMessageBox::Yes : QMessageBox::No;
        return QMessageBox::Ok;
    });
    g_main = new lt::MainWindow;   // never shown: nothing is painted
    // Data communication: parameter and data test pages.
    lt::openQx3200Window(*g_main, lt::WorkMode::DataCommunication);
    g_window = lt::Qx3200Window::find(*g_main);
    fuzzwin::stopTimers(g_window);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    g_main->link().module().workForm = (in.flags >> 1) & 1;
    g_main->link().module().transForm = (in.flags >> 2) & 1;
    g_main->link().setParseMode(lt::ParseMode::Qx3200);
    g_window->replyParser().setParameterMode(in.flags & 1);
    g_window->replyParser().setIdentityPending(in.flags & 0x40);
    g_window->findChild<lt::DataTestPage *>()->receiver().commandSent(
        lt::qx3200::datatest::PassiveCommand((in.flags >> 3) & 3));
    g_answerYes = in.flags & 0x80;
    // The log areas would otherwise grow from input to input.
    for (auto *area : g_window->findChildren<QPlainTextEdit *>())
        if (!area->document()->isEmpty())
            area->clear();

    fuzzwin::feedBursts(*g_main, g_window, in.bursts, in.flags & 0x20);
    return 0;
}
