#include "phone_table.h"

#include "frm3100com_window.h"
#include "qx3100_protocol.h"

#include "link/helpers.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/typing_aids.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace lt {

namespace {

const QString kStart = QStringLiteral("开始读取");
// Written as the number, it erases the entry.
const QString kErase = QStringLiteral("FFFFFFFFFFF");
const QString kPause = QStringLiteral("暂停读取");

// A whole entry number 0..65535 typed in decimal.
std::optional<int> entryNumber(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < 0 || v > 0xFFFF)
        return std::nullopt;
    return v;
}

} // namespace

PhoneTableGroup::PhoneTableGroup(Frm3100COM &window, QWidget *parent)
    : QGroupBox(QStringLiteral("透明方式2设置"), parent), m_window(window)
{
    auto *grid = new QGridLayout(this);
    auto edit = [this](const char *name, const QString &text, int maxLength) {
        auto *e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        return e;
    };
    auto push = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    Text8 = edit("Text8", QStringLiteral("00:01:"), 6);
    Text9 = edit("Text9", QStringLiteral("***********"), 11);
    Text10 = edit("Text10", QStringLiteral("1"), 0);
    Text12 = edit("Text12", QStringLiteral("10"), 0);
    installHexColonAid(Text8);
    installKeyFilter(Text9, hex_key);
    Command11 = push("Command11", QStringLiteral("确定"));
    Command12 = push("Command12", QStringLiteral("读电话号码"));
    Command13 = push("Command13", kStart);
    Label28 = new QLabel(QStringLiteral("00000000"), this);
    Label28->setObjectName(QStringLiteral("Label28"));
    Grid = new QTableWidget(0, 3, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    resetGrid();

    grid->addWidget(new QLabel(QStringLiteral("身份地址"), this), 0, 0);
    grid->addWidget(Text8, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("电话号码"), this), 0, 2);
    grid->addWidget(Text9, 0, 3);
    grid->addWidget(Command11, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("开始位置"), this), 1, 0);
    grid->addWidget(Text10, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("停止位置"), this), 1, 2);
    grid->addWidget(Text12, 1, 3);
    grid->addWidget(Command13, 1, 4);
    grid->addWidget(Command12, 2, 4);
    grid->addWidget(Label28, 2, 0, 1, 2);
    grid->addWidget(Grid, 3, 0, 1, 5);

    Timer4.setObjectName(QStringLiteral("Timer4"));
    Timer4.setParent(this);
    connect(&Timer4, &QTimer::timeout, this, &PhoneTableGroup::Timer4_Timer);
    connect(Command11, &QPushButton::clicked, this, &PhoneTableGroup::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &PhoneTableGroup::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &PhoneTableGroup::Command13_Click);
}

QList<QPushButton *> PhoneTableGroup::buttons() const
{
    return {Command11, Command12, Command13};
}

QList<QWidget *> PhoneTableGroup::inputs() const
{
    return {Text8, Text9, Text10, Text12};
}

void PhoneTableGroup::resetGrid()
{
    Grid->clear();
    Grid->setRowCount(0);
    Grid->setHorizontalHeaderLabels({QString(), QStringLiteral("地址"), QStringLiteral("电话号码")});
    Grid->verticalHeader()->hide();
    Grid->setColumnWidth(0, 16);
    Grid->setColumnWidth(1, 90);
    Grid->setColumnWidth(2, 140);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void PhoneTableGroup::putRow(int row, const QString &address, const QString &number)
{
    // Grid row r (row 0 being the header) is table row r - 1.
    if (Grid->rowCount() < row)
        Grid->setRowCount(row);
    Grid->setItem(row - 1, 1, new QTableWidgetItem(address));
    Grid->setItem(row - 1, 2, new QTableWidgetItem(number));
    Grid->selectRow(row - 1);
}

bool PhoneTableGroup::dbUsable()
{
    if (m_db.isOpen())
        return true;
    message(this, QStringLiteral("电话号码数据库无法打开，不能保存电话号码"), QStringLiteral("系统提示"), QMessageBox::Warning);
    return false;
}

void PhoneTableGroup::checkDb()
{
    if (m_db.isOpen())
        return;
    setEnabled(false);
    dbUsable();
}

void PhoneTableGroup::store(const QString &address, const QString &number, bool replaceAddress)
{
    // Stores what the reply parser decoded: the message waits until its pass is over.
    if (!(replaceAddress ? m_db.replace(address, number) : m_db.add(address, number)))
        postMessage(this, QStringLiteral("电话号码没有保存到数据库：") + address + QLatin1Char(' ') + number,
                QStringLiteral("系统提示"), QMessageBox::Warning);
}

void PhoneTableGroup::Command11_Click()
{
    if (!m_window.portReady())
        return;
    const QString address = Text8->text();
    const QString number = Text9->text();
    if (address.size() != 6 || address == QLatin1String("**:**:")) {
        message(this, QStringLiteral("您输入的地址不正确"), QStringLiteral("请重新输入地址"), QMessageBox::Information);
        return;
    }
    if (number.size() != 11 || number == QLatin1String("***********")) {
        message(this, QStringLiteral("您输入的电话号码不正确"), QStringLiteral("请重新输入电话号码"), QMessageBox::Information);
        return;
    }
    if (!dbUsable())
        return;
    // Any number of entries may be erased: the erase value is no number.
    if (number != kErase && m_db.hasNumber(number)) {
        message(this, QStringLiteral("电话号码有重复，请检查电话号码"), QStringLiteral("系统提示"), QMessageBox::Warning);
        return;
    }
    const QByteArray pairs = *qx3100::colonBytes(address, 2);
    const QByteArray digits = number == kErase ? QByteArray(6, '\xFF') : *qx3100::phoneBytes(number);
    m_window.sendFrame(qx3100::phoneWrite(quint8(pairs.at(0)), quint8(pairs.at(1)), digits));
}

void PhoneTableGroup::Command12_Click()
{
    if (!m_window.portReady())
        return;
    // The entry as colon text ("00:05:") or, like the read loop, as a decimal number.
    const QString text = Text10->text().trimmed();
    std::optional<QByteArray> pair;
    if (text.size() >= 5 && text.at(2) == QLatin1Char(':'))
        pair = qx3100::colonBytes(text, 2);
    else if (const auto n = entryNumber(text))
        pair = qx3100::be16(quint16(*n));
    if (!pair) {
        message(this, QStringLiteral("您输入的开始位置不正确"), QStringLiteral("请重新输入开始位置"), QMessageBox::Information);
        return;
    }
    table_reading = false;
    m_window.sendFrame(qx3100::phoneRead(quint8(pair->at(0)), quint8(pair->at(1))));
}

void PhoneTableGroup::Command13_Click()
{
    if (Command13->text() != kStart) {
        endLoop();
        return;
    }
    // Refused before the table and the grid are emptied.
    if (!m_window.portReady())
        return;
    const auto first = entryNumber(Text10->text());
    const auto last = entryNumber(Text12->text());
    if (!first || !last) {
        message(this, QStringLiteral("您输入的读取位置不正确"), QStringLiteral("请重新输入读取位置"), QMessageBox::Information);
        return;
    }
    if (!dbUsable())
        return;
    Command13->setText(kPause);
    table_reading = true;
    resetGrid();
    read_index = *first - 1;
    m_stopIndex = *last;
    Timer4.start(timing::interval(100));
    grid_row = 1;
    if (!m_db.clear())
        message(this, QStringLiteral("电话号码数据库无法清空"), QStringLiteral("系统提示"), QMessageBox::Warning);
    m_window.lockKeeping(Command13);
}

void PhoneTableGroup::Timer4_Timer()
{
    Timer4.start(timing::interval(200));
    ++read_index;
    if (m_stopIndex >= read_index) {
        m_window.sendFrame(qx3100::phoneRead(quint8(read_index / 256), quint8(read_index % 256)));
        Label28->setText(QStringLiteral("读") + QString::number(read_index));
    } else {
        endLoop();
    }
}

void PhoneTableGroup::endLoop()
{
    Timer4.stop();
    Command13->setText(kStart);
    m_window.Enable_Command();
}

void PhoneTableGroup::linkLost()
{
    Timer4.stop();
    Command13->setText(kStart);
}

void PhoneTableGroup::entryRead(const QByteArray &rec)
{
    const QString address = qx3100::addressText(byteAt(rec, 10), byteAt(rec, 11));
    const QString number = qx3100::numberText(rec.mid(14, 6));
    if (table_reading) {
        if (number == QLatin1String("FFFFFFFFFFFF"))
            return;
        putRow(grid_row, address, number);
        ++grid_row;
        store(address, number, false);
    } else {
        resetGrid();
        putRow(1, address, number);
        store(address, number, false);
    }
}

void PhoneTableGroup::entryWritten(int high, int low)
{
    if (qx3100::addressText(high, low) != Text8->text()) {
        postMessage(this, QStringLiteral("模块的电话号码与地址配置错误"), QStringLiteral("正确提示！！"), QMessageBox::Warning);
        return;
    }
    postMessage(this, QStringLiteral("模块的电话号码与地址配置正确"), QStringLiteral("正确提示！！"), QMessageBox::Information);
    // The module now holds this number (or nothing) at that address, whatever it held before.
    store(Text8->text(), Text9->text(), true);
    putRow(grid_row, Text8->text(), Text9->text());
    ++grid_row;
}

} // namespace lt
