#include "data_test_page.h"

namespace lt {

DataTestPage::DataTestPage(MainWindow &main, QWidget *parent) : QWidget(parent), m_main(main)
{
}

QList<QPushButton *> DataTestPage::buttons() const
{
    return {};
}

void DataTestPage::parse()
{
}

void DataTestPage::linkLost()
{
}

} // namespace lt
