#include "phone_table.h"

#include "qx3100/phone_entry.h"
#include "qx3100/requests.h"
#include "qx3100/sequences.h"

#include "link/helpers.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/typing_aids.h"

#include "box_width.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace lt {

namespace {

// Written as the number, it erases the entry.
const QString kErase = QStringLiteral("FFFFFFFFFFF");
// How an erased entry reads back.
const QString kErased = QStringLiteral("FFFFFFFFFFFF");

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

PhoneTableGroup::PhoneTableGroup(PhoneTableHost &host, QWidget *parent)
    : QGroupBox(tr("透明方式2设置"), parent), m_host(host),
      m_loop(timing::interval, QStringLiteral("Timer4"), this)
{
    auto *grid = new QGridLayout(this);
    auto edit = [this](const char *name, const QString &text, int maxLength, const QString &longest) {
        auto *e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        qx::fitToLongest(e, longest);
        return e;
    };
    auto push = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    // Hex pairs are measured as "DD", the widest; a number may be the eleven F that erase.
    m_address = edit("Text8", QStringLiteral("00:01:"), 6, QStringLiteral("DD:DD:"));
    m_number = edit("Text9", QStringLiteral("***********"), 11, QStringLiteral("DDDDDDDDDDD"));
    m_first = edit("Text10", QStringLiteral("1"), 0, QStringLiteral("65535"));
    m_last = edit("Text12", QStringLiteral("10"), 0, QStringLiteral("65535"));
    installHexColonAid(m_address);
    installKeyFilter(m_number, hex_key);
    m_write = push("Command11", tr("确定"));
    m_readOne = push("Command12", tr("读电话号码"));
    m_loopButton = push("Command13", tr("开始读取"));
    m_progress = new QLabel(QStringLiteral("00000000"), this);
    m_progress->setObjectName(QStringLiteral("Label28"));
    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    resetGrid();

    // One box a row, its caption before it and the button that uses it after:
    // the entry to write with its button, the start position with the button
    // that reads the entry there, the stop position with the read loop's.
    grid->addWidget(new QLabel(tr("身份地址"), this), 0, 0);
    grid->addWidget(m_address, 0, 1);
    grid->addWidget(new QLabel(tr("电话号码"), this), 1, 0);
    grid->addWidget(m_number, 1, 1);
    grid->addWidget(m_write, 1, 2);
    grid->addWidget(new QLabel(tr("开始位置"), this), 2, 0);
    grid->addWidget(m_first, 2, 1);
    grid->addWidget(m_readOne, 2, 2);
    grid->addWidget(new QLabel(tr("停止位置"), this), 3, 0);
    grid->addWidget(m_last, 3, 1);
    grid->addWidget(m_loopButton, 3, 2);
    grid->addWidget(m_progress, 4, 0, 1, 2);
    grid->addWidget(m_grid, 5, 0, 1, 3);
    m_lock.setWidgets({m_write, m_readOne, m_loopButton});

    connect(&m_loop, &qx::Sequencer::ticked, this, [this](int step) {
        if (step < m_loop.size())
            m_progress->setText(tr("读%1").arg(m_loopFirst + step));
    });
    connect(&m_loop, &qx::Sequencer::send, this, [this](const QByteArray &frame) { m_host.send(frame); });
    connect(&m_loop, &qx::Sequencer::finished, this, &PhoneTableGroup::endLoop);
    connect(m_write, &QPushButton::clicked, this, &PhoneTableGroup::writeEntry);
    connect(m_readOne, &QPushButton::clicked, this, &PhoneTableGroup::readEntry);
    connect(m_loopButton, &QPushButton::clicked, this, &PhoneTableGroup::startOrPauseLoop);
}

void PhoneTableGroup::lockButtons()
{
    m_lock.lock();
}

void PhoneTableGroup::unlockButtons()
{
    if (m_inputsLocked) {
        for (QWidget *w : {m_address, m_number, m_first, m_last})
            w->setEnabled(true);
        m_inputsLocked = false;
    }
    m_lock.unlock();
}

void PhoneTableGroup::resetGrid()
{
    m_grid->clear();
    m_grid->setRowCount(0);
    m_grid->setHorizontalHeaderLabels({QString(), tr("地址"), tr("电话号码")});
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, 16);
    // As wide as an address and a number of twelve hex digits (an erased
    // entry reads as twelve F), and their headings.
    // The style's text margin on both sides, and the grid line that takes the cell's last pixel.
    const int room = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1)
                     + (m_grid->showGrid() ? 1 : 0);
    const std::pair<int, const char *> widest[] = {{1, "DD:DD:"}, {2, "DDDDDDDDDDDD"}};
    for (auto [column, text] : widest)
        m_grid->setColumnWidth(column, qMax(m_grid->fontMetrics().horizontalAdvance(QLatin1String(text)) + room,
                                            m_grid->horizontalHeader()->sectionSizeHint(column)));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void PhoneTableGroup::putRow(int row, const QString &address, const QString &number)
{
    // Grid row r (row 0 being the header) is table row r - 1.
    if (m_grid->rowCount() < row)
        m_grid->setRowCount(row);
    m_grid->setItem(row - 1, 1, new QTableWidgetItem(address));
    m_grid->setItem(row - 1, 2, new QTableWidgetItem(number));
    m_grid->selectRow(row - 1);
}

bool PhoneTableGroup::dbUsable()
{
    if (m_db.isOpen())
        return true;
    message(this, tr("电话号码数据库无法打开，不能保存电话号码"), tr("系统提示"), QMessageBox::Warning);
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
        postMessage(this, tr("电话号码没有保存到数据库：%1 %2").arg(address, number),
                    tr("系统提示"), QMessageBox::Warning);
}

void PhoneTableGroup::writeEntry()
{
    if (!m_host.portReady())
        return;
    const QString address = m_address->text();
    const QString number = m_number->text();
    if (address.size() != 6 || address == QLatin1String("**:**:")) {
        message(this, tr("您输入的地址不正确"), tr("请重新输入地址"), QMessageBox::Information);
        return;
    }
    if (number.size() != 11 || number == QLatin1String("***********")) {
        message(this, tr("您输入的电话号码不正确"), tr("请重新输入电话号码"), QMessageBox::Information);
        return;
    }
    if (!dbUsable())
        return;
    // Any number of entries may be erased: the erase value is no number.
    if (number != kErase && m_db.hasNumber(number)) {
        message(this, tr("电话号码有重复，请检查电话号码"), tr("系统提示"), QMessageBox::Warning);
        return;
    }
    const QByteArray pairs = *qx3100::colonBytes(address, 2);
    const QByteArray digits = number == kErase ? qx3100::erasedNumber() : *qx3100::phoneBytes(number);
    m_host.send(qx3100::phoneWrite(quint8(pairs.at(0)), quint8(pairs.at(1)), digits));
}

void PhoneTableGroup::readEntry()
{
    if (!m_host.portReady())
        return;
    // The entry as colon text ("00:05:") or, like the read loop, as a decimal number.
    const QString text = m_first->text().trimmed();
    std::optional<QByteArray> pair;
    if (text.size() >= 5 && text.at(2) == QLatin1Char(':'))
        pair = qx3100::colonBytes(text, 2);
    else if (const auto n = entryNumber(text))
        pair = qx3100::be16(quint16(*n));
    if (!pair) {
        message(this, tr("您输入的开始位置不正确"), tr("请重新输入开始位置"), QMessageBox::Information);
        return;
    }
    m_loopReading = false;
    m_host.send(qx3100::phoneRead(quint8(pair->at(0)), quint8(pair->at(1))));
}

void PhoneTableGroup::startOrPauseLoop()
{
    if (m_loop.isRunning()) {
        m_loop.stop();
        endLoop();
        return;
    }
    // Refused before the table and the grid are emptied.
    if (!m_host.portReady())
        return;
    const auto first = entryNumber(m_first->text());
    const auto last = entryNumber(m_last->text());
    if (!first || !last) {
        message(this, tr("您输入的读取位置不正确"), tr("请重新输入读取位置"), QMessageBox::Information);
        return;
    }
    if (!dbUsable())
        return;
    m_loopButton->setText(tr("暂停读取"));
    m_loopReading = true;
    resetGrid();
    m_loopFirst = *first;
    m_loop.start(qx3100::phoneTablePlan(*first, *last));
    m_gridRow = 1;
    if (!m_db.clear())
        message(this, tr("电话号码数据库无法清空"), tr("系统提示"), QMessageBox::Warning);
    // Locking the whole window would take the pause button with it: the
    // window locks everything else, the group its boxes.
    m_host.lockForLoop();
    for (QWidget *w : {m_address, m_number, m_first, m_last})
        w->setEnabled(false);
    m_inputsLocked = true;
    m_loopButton->setEnabled(true);
}

void PhoneTableGroup::endLoop()
{
    m_loopButton->setText(tr("开始读取"));
    m_host.unlockAfterLoop();
}

void PhoneTableGroup::linkLost()
{
    m_loop.stop();
    m_loopButton->setText(tr("开始读取"));
}

void PhoneTableGroup::entryRead(const QByteArray &record)
{
    const QString address = qx3100::entryAddress(record);
    const QString number = qx3100::entryNumber(record);
    if (m_loopReading) {
        // The loop lists what the table holds: erased entries are left out.
        if (number == kErased)
            return;
        putRow(m_gridRow, address, number);
        ++m_gridRow;
        store(address, number, false);
    } else {
        resetGrid();
        putRow(1, address, number);
        store(address, number, false);
    }
}

void PhoneTableGroup::entryWritten(int high, int low)
{
    if (qx3100::addressText(high, low) != m_address->text()) {
        postMessage(this, tr("模块的电话号码与地址配置错误"), tr("正确提示！！"), QMessageBox::Warning);
        return;
    }
    postMessage(this, tr("模块的电话号码与地址配置正确"), tr("正确提示！！"), QMessageBox::Information);
    // The module now holds this number (or nothing) at that address, whatever it held before.
    store(m_address->text(), m_number->text(), true);
    putRow(m_gridRow, m_address->text(), m_number->text());
    ++m_gridRow;
}

} // namespace lt
