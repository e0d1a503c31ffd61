#pragma once

#include <QWidget>

namespace lt {

class MainWindow;

// The message-test controls of the QX3100 window's "短信测试" tab: the
// requests, their log, the received messages and the SMS-test half of the
// QX3100 reply parser.
class SmsTestTab : public QWidget
{
    Q_OBJECT
public:
    explicit SmsTestTab(MainWindow &main, QWidget *parent = nullptr);

    // The tab is being shown: controls laid out for work_form / trans_form,
    // boxes emptied, sms_tab_mode = 0.
    void prepare();
    // The SMS-test half of the reply parser (sms_tab_mode 0).
    void parse();
    // The port went away: stop every timer, buttons usable again.
    void linkLost();

private:
    MainWindow &m_main;
};

} // namespace lt
