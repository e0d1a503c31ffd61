#include "sms_test_tab.h"

namespace lt {

SmsTestTab::SmsTestTab(MainWindow &main, QWidget *parent) : QWidget(parent), m_main(main)
{
}

void SmsTestTab::prepare()
{
}

void SmsTestTab::parse()
{
}

void SmsTestTab::linkLost()
{
}

} // namespace lt
