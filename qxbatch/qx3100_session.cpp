#include "qx3100_session.h"

#include "qx3100/phone_entry.h"
#include "qx3100/requests.h"
#include "qx3100/sequences.h"

#include "link/link.h"
#include "link/timing.h"

#include <QCoreApplication>

namespace qxb {

namespace {

// A phone entry write is answered at once; a module silent this long will not answer.
constexpr int kPhoneAnswerMs = 2000;

} // namespace

// What the replies report: the settings into the recorder, the read chain's
// steps and the phone table's answers to the session.
class Qx3100Session::Replies : public lt::qx3100::SettingsRecorder
{
public:
    Replies(Qx3100Session &session, std::function<std::optional<int>()> lineBaud)
        : SettingsRecorder(nullptr, std::move(lineBaud)), m_session(session)
    {
    }
    void readNext(int step) override
    {
        if (step >= lt::qx3100::read::kDone)
            m_session.m_readComplete = true;
        m_session.m_sequencer.next(step);
    }
    void phoneEntryRead(const QByteArray &record) override
    {
        const QString address = lt::qx3100::entryAddress(record);
        const int entry = quint8(record.at(10)) * 256 + quint8(record.at(11));
        m_session.m_phonesAnswered << entry;
        const QString number = lt::qx3100::entryNumber(record);
        if (number != kErasedNumber)
            m_session.m_phonesRead << PhoneEntry{address, number};
    }
    void phoneEntryWritten(int high, int low) override
    {
        if (m_session.m_phonesToWrite.isEmpty() || !m_session.m_phoneWait.isActive())
            return;
        m_session.m_phoneWait.stop();
        const PhoneEntry written = m_session.m_phonesToWrite.takeFirst();
        if (lt::qx3100::addressText(high, low) != written.address) {
            emit m_session.failed(Status::VerifyFailed,
                                  written.address + QLatin1String(": ")
                                      + QCoreApplication::translate("qxbatch", "模块的电话号码与地址配置错误"));
            return;
        }
        m_session.writeNextPhone();
    }

private:
    Qx3100Session &m_session;
};

Qx3100Session::Qx3100Session(lt::Link &link)
    : SettingsSession(link),
      m_replies(std::make_unique<Replies>(*this, [&link]() -> std::optional<int> {
          return link.port().serialPort().baudRate();
      })),
      m_parser(*m_replies, link.module())
{
    link.registerParser(lt::ParseMode::Qx3100, this, [this](const QByteArray &block) { m_parser.parse(block); });
    m_phoneWait.setSingleShot(true);
    connect(&m_phoneWait, &QTimer::timeout, this, [this] {
        emit failed(Status::NoAnswer, m_phonesToWrite.value(0).address + QLatin1String(": ")
                                          + QCoreApplication::translate("qxbatch", "模块没有回答电话号码的写入"));
    });
}

Qx3100Session::~Qx3100Session() = default;

void Qx3100Session::read()
{
    m_link.setParseMode(lt::ParseMode::Qx3100);
    m_replies->clear();
    m_readComplete = false;
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    connect(&m_sequencer, &qx::Sequencer::finished, this, [this] {
        disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
        if (m_readComplete)
            emit readDone(lt::qx3100::toParams(m_replies->settings()));
        else
            emit failed(Status::NoAnswer, QCoreApplication::translate("qxbatch", "模块没有回答全部参数的读取"));
    });
    m_sequencer.start(lt::qx3100::readPlan());
}

std::optional<lt::params::Refusal> Qx3100Session::take(const QJsonObject &params)
{
    const lt::qx3100::ParamsRead read = lt::qx3100::fromParams(params);
    if (read.refusal)
        return read.refusal;
    m_wanted = read.settings;
    for (const auto group : lt::groupsGiven(lt::qx3100::writeOrder(), params, &lt::qx3100::fieldsOf))
        if (const auto refusal = lt::qx3100::writeGroup(group, m_wanted).refusal)
            return refusal;
    return std::nullopt;
}

bool Qx3100Session::isWritten(const QString &field) const
{
    // The module type is written but never read back: nothing to compare it with.
    return lt::qx3100::groupOf(field).has_value() && field != QLatin1String("module_type");
}

void Qx3100Session::write()
{
    m_link.setParseMode(lt::ParseMode::Qx3100);
    QList<qx::Sequencer::Plan> plans;
    for (const auto group : lt::groupsGiven(lt::qx3100::writeOrder(), lt::qx3100::toParams(m_wanted), &lt::qx3100::fieldsOf))
        plans += lt::plansOf(group, lt::qx3100::writeGroup(group, m_wanted).frames, &lt::qx3100::writePlan);
    runPlans(plans, [this] { emit writeDone(); });
}

bool Qx3100Session::followWrittenLine()
{
    if (!m_wanted.baud)
        return true;
    lt::ModulePort &port = m_link.port();
    QString settings = port.settings();
    settings = QString::number(*m_wanted.baud) + settings.mid(settings.indexOf(QLatin1Char(',')));
    port.setSettings(settings);
    return port.open() == lt::ModulePort::Opened;
}

void Qx3100Session::readPhones(int first, int last)
{
    m_link.setParseMode(lt::ParseMode::Qx3100);
    m_phonesRead.clear();
    m_phonesAnswered.clear();
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    connect(&m_sequencer, &qx::Sequencer::finished, this, [this, first, last] {
        disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
        QList<int> unanswered;
        for (int entry = first; entry <= last; ++entry)
            if (!m_phonesAnswered.contains(entry))
                unanswered << entry;
        emit phonesRead(m_phonesRead, unanswered);
    });
    m_sequencer.start(lt::qx3100::phoneTablePlan(first, last));
}

void Qx3100Session::writePhones(const QList<PhoneEntry> &entries)
{
    m_link.setParseMode(lt::ParseMode::Qx3100);
    m_phonesToWrite = entries;
    writeNextPhone();
}

void Qx3100Session::writeNextPhone()
{
    if (m_phonesToWrite.isEmpty()) {
        emit phonesWritten();
        return;
    }
    const PhoneEntry &entry = m_phonesToWrite.first();
    const QByteArray pairs = *lt::qx3100::colonBytes(entry.address, 2);
    const QByteArray digits = entry.number == kEraseNumber ? lt::qx3100::erasedNumber() : *lt::qx3100::phoneBytes(entry.number);
    m_link.send(lt::qx3100::phoneWrite(quint8(pairs.at(0)), quint8(pairs.at(1)), digits));
    m_phoneWait.start(lt::timing::interval(kPhoneAnswerMs));
}

} // namespace qxb
