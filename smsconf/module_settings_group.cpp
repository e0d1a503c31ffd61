#include "module_settings_group.h"

#include "dialog_controls.h"
#include "message_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <climits>

namespace sms {

ModuleSettingsGroup::ModuleSettingsGroup(CommandProtocol &protocol, QWidget *window)
    : m_protocol(protocol), m_window(window)
{
}

int ModuleSettingsGroup::addRows(QGridLayout *grid, int row)
{
    auto label = [this, grid, &row](const QString &text) { grid->addWidget(new QLabel(text, m_window), row, 0); };
    auto setAndQuery = [this, grid, &row](const QString &setName, const QString &queryName) {
        grid->addWidget(makeButton(m_window, setName, tr("设置")), row, 2);
        grid->addWidget(makeButton(m_window, queryName, tr("查询")), row, 3);
    };
    const QString widestAddress = QStringLiteral("2147483647");

    label(tr("设备地址"));
    m_deviceAddress = makeBox(m_window, QStringLiteral("deviceAddress"), widestAddress);
    grid->addWidget(m_deviceAddress, row, 1);
    setAndQuery(QStringLiteral("setDeviceAddress"), QStringLiteral("queryDeviceAddress"));
    ++row;
    label(tr("寄存器地址"));
    m_registerAddress = makeBox(m_window, QStringLiteral("registerAddress"), widestAddress);
    grid->addWidget(m_registerAddress, row, 1);
    setAndQuery(QStringLiteral("setRegisterAddress"), QStringLiteral("queryRegisterAddress"));
    ++row;

    label(tr("波特率"));
    m_baud = makeCombo(m_window, QStringLiteral("moduleBaud"), kBaudRates, 3, true);
    grid->addWidget(m_baud, row, 1);
    setAndQuery(QStringLiteral("setSerialParams"), QStringLiteral("querySerialParams"));
    ++row;
    label(tr("数据位"));
    m_dataBits = makeCombo(m_window, QStringLiteral("dataBits"), {tr("8位"), tr("9位")}, 0, true);
    grid->addWidget(m_dataBits, row++, 1);
    label(tr("校验位"));
    m_parity = makeCombo(m_window, QStringLiteral("parity"),
                         {tr("无校验"), tr("奇校验"), tr("偶校验")}, 0, true);
    grid->addWidget(m_parity, row++, 1);
    label(tr("停止位"));
    m_stopBits = makeCombo(m_window, QStringLiteral("stopBits"), {tr("1位"), tr("2位")}, 0, true);
    grid->addWidget(m_stopBits, row, 1);
    return row;
}

QComboBox *ModuleSettingsGroup::list(SerialList list) const
{
    switch (list) {
    case SerialList::Baud:
        return m_baud;
    case SerialList::DataBits:
        return m_dataBits;
    case SerialList::Parity:
        return m_parity;
    case SerialList::StopBits:
        return m_stopBits;
    }
    return nullptr;
}

int ModuleSettingsGroup::selectedIndex(const QComboBox *list)
{
    return list->currentText().isEmpty() ? -1 : list->findText(list->currentText(), Qt::MatchExactly);
}

bool ModuleSettingsGroup::addressValue(const QLineEdit *box, int *value)
{
    // Only a plain decimal number that fits is sent; anything else would go
    // out as some other address than the one typed.
    bool ok = false;
    const QString text = box->text().trimmed();
    const qlonglong v = text.toLongLong(&ok);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!ok || !digits.match(text).hasMatch() || v > INT_MAX) {
        message(m_window, tr("您输入的设备地址错误"), noticeTitle());
        return false;
    }
    *value = int(v);
    return true;
}

void ModuleSettingsGroup::setDeviceAddress()
{
    int value = 0;
    if (addressValue(m_deviceAddress, &value))
        m_protocol.SetDeviceAddress(value);
}

void ModuleSettingsGroup::queryDeviceAddress()
{
    m_deviceAddress->clear();
    m_protocol.QueryDeviceAddress();
}

void ModuleSettingsGroup::setRegisterAddress()
{
    int value = 0;
    if (addressValue(m_registerAddress, &value))
        m_protocol.SetRegisterAddress(value);
}

void ModuleSettingsGroup::queryRegisterAddress()
{
    m_registerAddress->clear();
    m_protocol.QueryRegisterAddress();
}

void ModuleSettingsGroup::setSerialParams()
{
    const int baud = selectedIndex(m_baud);
    const int dataBits = selectedIndex(m_dataBits);
    const int parity = selectedIndex(m_parity);
    const int stopBits = selectedIndex(m_stopBits);
    // A list without a choice would go out as a byte the module cannot take.
    if (baud < 0 || dataBits < 0 || parity < 0 || stopBits < 0) {
        message(m_window, tr("请从列表中选择模块的波特率、数据位、校验位和停止位"), noticeTitle());
        return;
    }
    m_protocol.SetSerialParams(baud, dataBits, parity, stopBits);
}

void ModuleSettingsGroup::querySerialParams()
{
    for (auto l : {SerialList::Baud, SerialList::DataBits, SerialList::Parity, SerialList::StopBits})
        list(l)->setCurrentIndex(-1);
    m_protocol.QuerySerialParams();
}

} // namespace sms
