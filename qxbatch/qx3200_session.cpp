#include "qx3200_session.h"

#include "link/link.h"
#include "link/timing.h"

#include <QCoreApplication>

namespace qxb {

using lt::qx3200::Group;

namespace {

// The windows wait this long for the network's answer to an identity write
// (their wait notice), and send it again this soon when it came too early.
constexpr int kIdentityWaitMs = 90000;
constexpr int kIdentityRetryMs = 100;

QString parityLetter(lt::qx3200::Parity parity)
{
    switch (parity) {
    case lt::qx3200::Parity::Odd: return QStringLiteral("o");
    case lt::qx3200::Parity::Even: return QStringLiteral("e");
    case lt::qx3200::Parity::None: break;
    }
    return QStringLiteral("n");
}

} // namespace

Qx3200Session::Qx3200Session(lt::Link &link)
    : SettingsSession(link), m_parser(m_recorder, *this, link.module(), [](const QByteArray &) {})
{
    link.registerParser(lt::ParseMode::Qx3200, this, [this](const QByteArray &block) { m_parser.parse(block); });
    m_identityWait.setSingleShot(true);
    connect(&m_identityWait, &QTimer::timeout, this, [this] {
        m_parser.setIdentityPending(false);
        emit failed(Status::NoAnswer, QCoreApplication::translate("qxbatch", "等待网络回答身份地址设置超时"));
    });
}

void Qx3200Session::read()
{
    m_link.setParseMode(lt::ParseMode::Qx3200);
    m_parser.setIdentityPending(false);
    m_parser.setParameterMode(true);
    m_recorder.startRead();
    m_readComplete = false;
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    connect(&m_sequencer, &qx::Sequencer::finished, this, [this] {
        disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
        m_parser.setParameterMode(false);
        if (m_readComplete)
            emit readDone(lt::qx3200::toParams(m_recorder.settings()));
        else
            emit failed(Status::NoAnswer, QCoreApplication::translate("qxbatch", "模块没有回答全部参数的读取"));
    });
    m_sequencer.start(lt::qx3200::readPlan());
}

void Qx3200Session::nextRead(int step)
{
    if (!lt::qx3200::readChainCode(step))
        m_readComplete = true;
    m_sequencer.next(step);
}

std::optional<lt::params::Refusal> Qx3200Session::take(const QJsonObject &params)
{
    const lt::qx3200::ParamsRead read = lt::qx3200::fromParams(params);
    if (read.refusal)
        return read.refusal;
    m_wanted = read.settings;
    for (const Group group : lt::groupsGiven(lt::qx3200::writeOrder(), params, &lt::qx3200::fieldsOf)) {
        if (const auto refusal = lt::qx3200::writeGroup(group, m_wanted).refusal)
            return refusal;
        // The window offers the identity address only to a module in address
        // setting; a batch does not change the mode unless asked to.
        if (group == Group::Identity && m_link.identity().workingMode == lt::code::kDataCommunicationReported)
            return lt::params::Refusal{QStringLiteral("project, site"),
                                       QCoreApplication::translate("qxbatch", "模块在数据通信方式，身份地址只能在地址设置方式下设置（--set-mode address）"),
                                       {}};
    }
    return std::nullopt;
}

bool Qx3200Session::isWritten(const QString &field) const
{
    return lt::qx3200::groupOf(field).has_value();
}

void Qx3200Session::write()
{
    m_link.setParseMode(lt::ParseMode::Qx3200);
    m_groups = lt::groupsGiven(lt::qx3200::writeOrder(), lt::qx3200::toParams(m_wanted), &lt::qx3200::fieldsOf);
    writeGroups();
}

void Qx3200Session::writeGroups()
{
    QList<qx::Sequencer::Plan> plans;
    while (!m_groups.isEmpty()) {
        const Group group = m_groups.takeFirst();
        if (group == Group::Identity) {
            // The network answers an identity write, in its own time: the
            // groups before it go out first, the rest once it has answered.
            runPlans(plans, [this] { writeIdentity(); });
            return;
        }
        plans += lt::plansOf(group, lt::qx3200::writeGroup(group, m_wanted).frames, &lt::qx3200::writePlan);
    }
    runPlans(plans, [this] { emit writeDone(); });
}

void Qx3200Session::writeIdentity()
{
    const lt::qx3200::GroupWrite write = lt::qx3200::writeGroup(Group::Identity, m_wanted);
    m_parser.setParameterMode(true);
    m_parser.setIdentityPending(true);
    m_link.send(write.frames.first());
    m_identityWait.start(lt::timing::interval(kIdentityWaitMs));
}

void Qx3200Session::identityRetry()
{
    QTimer::singleShot(lt::timing::interval(kIdentityRetryMs), this, [this] {
        if (m_parser.identityPending())
            m_link.send(lt::qx3200::writeGroup(Group::Identity, m_wanted).frames.first());
    });
}

void Qx3200Session::identityResult(lt::qx3200::IdentityResult result)
{
    using lt::qx3200::IdentityResult;
    m_identityWait.stop();
    m_parser.setIdentityPending(false);
    m_parser.setParameterMode(false);
    switch (result) {
    case IdentityResult::Accepted:
        writeGroups();
        return;
    case IdentityResult::Refused:
        emit failed(Status::Refused, QStringLiteral("project, site: ")
                                         + QCoreApplication::translate("qxbatch", "对不起，模块身份地址设置失败"));
        return;
    case IdentityResult::Taken:
        // Replacing another module's address is a question for a person at the window.
        emit failed(Status::Refused, QStringLiteral("project, site: ")
                                         + QCoreApplication::translate("qxbatch", "您设置的身份地址已经被占用"));
        return;
    case IdentityResult::Offline:
        emit failed(Status::IoError, QCoreApplication::translate("qxbatch", "对不起，您的模块没有上网"));
        return;
    }
}

bool Qx3200Session::followWrittenLine()
{
    if (!m_wanted.baud)
        return true;
    const int dataBits = m_wanted.data_bits.value_or(8);
    const QString tail = parityLetter(m_wanted.parity.value_or(lt::qx3200::Parity::None)) + QLatin1Char(',')
                         + QString::number(dataBits) + QLatin1Char(',')
                         + QString::number(m_wanted.stop_bits.value_or(1));
    lt::ModulePort &port = m_link.port();
    port.setSettings(QString::number(*m_wanted.baud) + QLatin1Char(',') + tail);
    return port.open() == lt::ModulePort::Opened;
}

} // namespace qxb
